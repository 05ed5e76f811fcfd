// What every text box of a window takes, whatever its own handlers do.
#pragma once

#include <QObject>

// Installed on a text box first, so that a window's own key handlers see each event before it.
// Alt with a key that is no access key types nothing; a read-only or disabled box takes no
// text by any path; and a composition in progress never shows in a box: only committed text
// arrives, as typed characters would.
class TextBoxGuard : public QObject {
    Q_OBJECT
public:
    // Guards box for as long as it lives.
    static void guard(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
