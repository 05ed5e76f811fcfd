// A multi-line text box framed as the style frames a single-line one.
#pragma once

#include <QTextEdit>

class MultiLineBox : public QTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent);

protected:
    bool event(QEvent* event) override;
};
