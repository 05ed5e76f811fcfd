#include "windows/DesignedWindow.h"

#include <QPainter>

#include "platform/Pictures.h"
#include "windows/DesignBuilder.h"

DesignedWindow::DesignedWindow(const design::Window& design) {
    background_ = picture(design.picture);
    controls_ = builder::build(design, *this);
}

void DesignedWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!background_.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, background_);
    }
}
