// A straight line of a design, drawn between two points of its parent.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

class LineWidget : public QWidget {
    Q_OBJECT
public:
    LineWidget(QPoint from, QPoint to, int widthPixels, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint from_, to_;  // in the parent's coordinates
    int width_;
};
