#include "windows/DesignedWindow.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/Pictures.h"
#include "windows/DesignBuilder.h"

DesignedWindow::DesignedWindow(const design::Window& design) {
    background_ = picture(design.picture);
    controls_ = builder::build(design, *this);
}

void DesignedWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (background_.isNull())
        return;
    // The area to paint leaves out the opaque controls, so it is seldom one rectangle. Under a
    // clip of many rectangles the raster engine cannot copy the picture: it blends it line by
    // line instead, and splits a large blend over the threads of Qt's pool, which then stay for
    // the run. Clipped to one rectangle at a time, it copies the picture's rows as they are.
    QPainter painter(this);
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.drawPixmap(0, 0, background_);
    }
}
