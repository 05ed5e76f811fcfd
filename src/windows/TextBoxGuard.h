// What every text box of a window takes, and the one order in which its key handler sees it.
#pragma once

#include <QObject>
#include <functional>

// Installed on every text box by the builder. Alt with a key that is no access key types
// nothing; a read-only or disabled box takes no text by any path; then the box's own key
// handler, if its window gave it one, may cancel what a key or an input method types; and a
// composition in progress never shows in a box: only committed text arrives, as typed
// characters would.
class TextBoxGuard : public QObject {
    Q_OBJECT
public:
    // Runs on a key press or an input-method event for the box; true when it cancelled the event.
    using KeyHandler = std::function<bool(QEvent*)>;

    // Guards box for as long as it lives.
    static void guard(QWidget* box);

    // Gives a guarded box its window's key handler; a box without a guard is a fault of the build.
    static void setKeyHandler(QWidget* box, KeyHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextBoxGuard(QWidget* box);

    QWidget* box_;
    KeyHandler keyHandler_;
};
