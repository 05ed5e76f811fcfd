#include "Icons.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

namespace art {

QImage butterfly(int size) {
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p(&image);
    smooth(p);
    p.scale(size / 48.0, size / 48.0);  // drawn on a 48-unit grid
    const bool small = size < 24;
    const QColor edge(40, 20, 10);
    const double line = small ? 2.4 : 1.4;

    // Right wings, mirrored for the left.
    QPainterPath upper(QPointF(24, 21));
    upper.cubicTo(28, 10, 38, 2, 45, 5);
    upper.cubicTo(49, 9, 46, 20, 40, 25);
    upper.cubicTo(34, 27, 28, 25, 24, 23);
    QPainterPath lower(QPointF(24, 24));
    lower.cubicTo(31, 25, 42, 28, 41, 36);
    lower.cubicTo(40, 44, 31, 44, 27, 38);
    lower.cubicTo(25, 34, 24, 29, 24, 26);
    for (int side = 0; side < 2; ++side) {
        p.save();
        if (side == 1) {
            p.translate(48, 0);
            p.scale(-1, 1);
        }
        QRadialGradient upperFill(QPointF(28, 20), 20);
        upperFill.setColorAt(0, QColor(255, 190, 60));
        upperFill.setColorAt(0.7, QColor(245, 130, 20));
        upperFill.setColorAt(1, QColor(200, 80, 10));
        p.setPen(QPen(edge, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(upperFill);
        p.drawPath(upper);
        QRadialGradient lowerFill(QPointF(27, 29), 16);
        lowerFill.setColorAt(0, QColor(255, 180, 50));
        lowerFill.setColorAt(1, QColor(225, 100, 15));
        p.setBrush(lowerFill);
        p.drawPath(lower);
        if (!small) {
            // Veins and the white spots along the dark wing tips.
            p.setPen(QPen(QColor(120, 50, 10), 0.8));
            p.drawLine(QPointF(25, 21), QPointF(42, 8));
            p.drawLine(QPointF(25, 22), QPointF(42, 18));
            p.drawLine(QPointF(25, 25), QPointF(36, 38));
            p.setPen(Qt::NoPen);
            p.setBrush(edge);
            QPainterPath tip(QPointF(38, 3.5));
            tip.cubicTo(42, 2, 48, 5, 46.5, 12);
            tip.cubicTo(45, 17, 43, 20, 41, 22);
            tip.cubicTo(43, 15, 43, 8, 38, 3.5);
            p.drawPath(tip);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(43.5, 7), 1.1, 1.1);
            p.drawEllipse(QPointF(44.6, 11.5), 1.0, 1.0);
            p.drawEllipse(QPointF(43.8, 15.5), 0.9, 0.9);
        }
        p.restore();
    }

    // Body, head and antennae.
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawEllipse(QRectF(22.2, 15, 3.6, 24));
    p.drawEllipse(QPointF(24, 14.5), 2.6, 2.6);
    p.setPen(QPen(edge, small ? 2.2 : 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath antennae(QPointF(23, 13));
    antennae.quadTo(21, 7, 17, 4);
    antennae.moveTo(25, 13);
    antennae.quadTo(27, 7, 31, 4);
    p.drawPath(antennae);
    if (!small) {
        p.setPen(Qt::NoPen);
        p.setBrush(edge);
        p.drawEllipse(QPointF(17, 4), 1.4, 1.4);
        p.drawEllipse(QPointF(31, 4), 1.4, 1.4);
    }
    return image;
}

QImage plainWindow(int size) {
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p(&image);
    // Crisp edges: the icon is drawn pixel on pixel.
    const int top = size / 8, bottom = size - size / 16 - 1;
    const QRect frame(0, top, size - 1, bottom - top);
    const int bar = size / 16 * 3 + 1;
    p.fillRect(frame.adjusted(1, 1, 1, 1), QColor(0, 0, 0, 70));  // shadow
    p.fillRect(frame, Qt::white);
    QLinearGradient barFill(0, frame.top(), 0, frame.top() + bar);
    barFill.setColorAt(0, QColor(80, 230, 255));
    barFill.setColorAt(1, QColor(0, 190, 230));
    p.fillRect(QRect(frame.left(), frame.top(), frame.width(), bar), barFill);
    p.setPen(QColor(40, 60, 80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.drawLine(frame.left(), frame.top() + bar, frame.right() - 1, frame.top() + bar);
    if (size >= 24) {
        // The close box at the title bar's right end.
        const int s = bar - 4;
        const QRect box(frame.right() - s - 3, frame.top() + 2, s, s);
        p.fillRect(box, QColor(230, 240, 245));
        p.setPen(QColor(40, 60, 80));
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    return image;
}

}  // namespace art
