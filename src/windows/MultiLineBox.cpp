#include "windows/MultiLineBox.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

MultiLineBox::MultiLineBox(QWidget* parent) : QTextEdit(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

bool MultiLineBox::event(QEvent* event) {
    if (event->type() != QEvent::Paint)
        return QTextEdit::event(event);
    // The viewport paints the text; around it the frame a line edit has.
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = frameWidth();
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    if (isReadOnly())
        frame.state |= QStyle::State_ReadOnly;
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    return true;
}
