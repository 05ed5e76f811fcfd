#include "FishPictures.h"

#include "ArtKit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

namespace art {
namespace {

void centredWord(QPainter& p, const QString& word, double baseline, int width, const QColor& fill) {
    const QFont f = fitted(font("DejaVu Sans", 19, true), word, width - 8);
    const double w = QFontMetricsF(f).horizontalAdvance(word);
    outlinedText(p, QPointF((width - w) / 2, baseline), f, word, fill, fill.darker(160), 0.8);
}

void splash(QPainter& p) {
    QPainterPath wave(QPointF(0, 115));
    wave.lineTo(0, 100);
    wave.cubicTo(14, 94, 24, 104, 38, 98);
    wave.cubicTo(52, 92, 62, 104, 78, 97);
    wave.cubicTo(92, 92, 104, 102, 115, 97);
    wave.lineTo(115, 115);
    QLinearGradient g(0, 94, 0, 115);
    g.setColorAt(0, QColor(120, 190, 240));
    g.setColorAt(1, QColor(30, 110, 200));
    p.setPen(QPen(QColor(30, 100, 180), 1));
    p.setBrush(g);
    p.drawPath(wave);
    // Drops thrown up where the fish left the water.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 160, 230));
    const QPointF drops[] = {{26, 88}, {20, 80}, {34, 82}, {14, 90}, {40, 90}, {28, 74}};
    const double sizes[] = {3, 2.2, 2.6, 2, 2.4, 1.8};
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(drops[i], sizes[i], sizes[i] * 1.3);
}

}  // namespace

QImage leapingFishCorrect() {
    QImage image = canvas(115, 115, Qt::white);
    QPainter p(&image);
    smooth(p);
    centredWord(p, "CORRECT!", 20, 115, QColor(20, 150, 50));
    splash(p);

    // The fish arcs up and to the right, tail still near the splash.
    p.save();
    p.translate(60, 62);
    p.rotate(-28);
    QPainterPath tail(QPointF(-30, 0));
    tail.lineTo(-46, -13);
    tail.quadTo(-41, 0, -46, 13);
    tail.closeSubpath();
    p.setPen(QPen(QColor(20, 90, 30), 1));
    p.setBrush(QColor(60, 160, 60));
    p.drawPath(tail);
    QPainterPath fins;
    fins.moveTo(-8, -13);
    fins.quadTo(0, -24, 10, -13);
    fins.moveTo(-6, 12);
    fins.quadTo(0, 20, 6, 12);
    p.drawPath(fins);
    QLinearGradient body(0, -15, 0, 15);
    body.setColorAt(0, QColor(40, 130, 50));
    body.setColorAt(0.55, QColor(90, 200, 80));
    body.setColorAt(1, QColor(200, 236, 140));
    p.setBrush(body);
    QPainterPath shape(QPointF(-32, 0));
    shape.cubicTo(-20, -20, 20, -20, 34, -2);
    shape.cubicTo(28, 12, -18, 20, -32, 0);
    p.drawPath(shape);
    // Scales and gill.
    p.setPen(QPen(QColor(30, 110, 40, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    for (double x = -16; x <= 12; x += 7)
        for (double y = -6; y <= 6; y += 6)
            p.drawArc(QRectF(x, y - 3, 6, 6), 90 * 16, 180 * 16);
    p.setPen(QPen(QColor(20, 90, 30), 1.2));
    p.drawArc(QRectF(16, -9, 10, 18), 90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(26, -4), 3.6, 3.6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(27, -4), 2, 2);
    // A happy open mouth.
    p.setPen(QPen(QColor(20, 80, 30), 1.2));
    p.drawArc(QRectF(27, 0, 6, 5), 180 * 16, 120 * 16);
    p.restore();
    return image;
}

QImage sadGoldfishTryAgain() {
    QImage image = canvas(104, 121, Qt::white);
    QPainter p(&image);
    smooth(p);

    // Bubbles rising from the mouth.
    p.setPen(QPen(QColor(100, 170, 220), 1.2));
    p.setBrush(QColor(220, 240, 255));
    const QPointF bubbles[] = {{18, 40}, {12, 26}, {20, 13}, {30, 24}};
    const double radii[] = {3, 4.5, 6, 2.5};
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(bubbles[i], radii[i], radii[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(bubbles[i] + QPointF(-radii[i] * 0.35, -radii[i] * 0.35), radii[i] * 0.25,
                      radii[i] * 0.25);

    // A flowing tail to the right, the fish facing left.
    const QColor edge(170, 70, 10);
    QPainterPath tail(QPointF(70, 58));
    tail.cubicTo(86, 36, 104, 34, 100, 46);
    tail.cubicTo(92, 56, 92, 64, 100, 76);
    tail.cubicTo(102, 86, 84, 82, 70, 62);
    tail.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(255, 150, 40));
    p.drawPath(tail);
    p.setPen(QPen(QColor(220, 100, 20), 0.8));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(74, 60), QPointF(96, 44 + i * 10));

    p.setPen(QPen(edge, 1));
    QPainterPath topFin(QPointF(34, 44));
    topFin.quadTo(46, 28, 62, 42);
    p.setBrush(QColor(255, 170, 60));
    p.drawPath(topFin);

    QRadialGradient body(38, 52, 36);
    body.setColorAt(0, QColor(255, 190, 90));
    body.setColorAt(1, QColor(240, 110, 20));
    p.setBrush(body);
    p.drawEllipse(QRectF(14, 40, 62, 38));
    QPainterPath belly(QPointF(40, 74));
    belly.quadTo(48, 86, 56, 74);
    p.setBrush(QColor(255, 160, 50));
    p.drawPath(belly);

    // Sad face: eye with a drooping brow, a frown and a tear.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(30, 54), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(29, 56), 3.2, 3.2);
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(23, 44, 14, 8), 30 * 16, 120 * 16);  // a drooping brow
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 66, 10, 8), 20 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 180, 240));
    QPainterPath tear(QPointF(30, 62));
    tear.quadTo(27, 68, 30, 69);
    tear.quadTo(33, 68, 30, 62);
    p.drawPath(tear);

    centredWord(p, "TRY AGAIN", 108, 104, QColor(235, 100, 20));
    return image;
}

}  // namespace art
