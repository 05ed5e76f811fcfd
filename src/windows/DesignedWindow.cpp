#include "windows/DesignedWindow.h"

#include <QPainter>

#include "windows/DesignBuilder.h"

DesignedWindow::DesignedWindow(const design::Window& design) {
    if (design.picture)
        background_ = QPixmap(QString::fromUtf8(design.picture));
    controls_ = builder::build(design, *this);
}

void DesignedWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!background_.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, background_);
    }
}
