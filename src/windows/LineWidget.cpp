#include "windows/LineWidget.h"

#include <QPainter>
#include <algorithm>

LineWidget::LineWidget(QPoint from, QPoint to, int widthPixels, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), width_(std::max(1, widthPixels)) {
    const int pad = (width_ + 1) / 2;
    setGeometry(QRect(from_, to_).normalized().adjusted(-pad, -pad, pad, pad));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        QPen(palette().color(QPalette::WindowText), width_, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from_ - pos(), to_ - pos());
}
