#include "OptionPictures.h"

#include "ArtKit.h"

#include <QPen>
#include <QRadialGradient>
#include <QtMath>

namespace art {
namespace {

const QColor kStraw(236, 198, 116);
const QColor kStrawDark(176, 130, 60);
const QColor kWood(120, 80, 44);

// A birdhouse on a pole: body, overhanging roof, entrance hole and perch.
struct House {
    QRectF body;
    QColor wall, roof;
    bool onPole = true;
};

void birdhouse(QPainter& p, const House& h) {
    const QRectF& b = h.body;
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    if (h.onPole)
        p.drawRect(QRectF(b.center().x() - 1.2, b.bottom(), 2.4, 40));  // the image edge cuts it
    p.setPen(QPen(h.wall.darker(170), 0.8));
    p.setBrush(h.wall);
    p.drawRect(b);
    const double peak = b.width() * 0.55;
    QPolygonF roof{QPointF(b.left() - 2, b.top() + 1), QPointF(b.center().x(), b.top() - peak),
                   QPointF(b.right() + 2, b.top() + 1)};
    p.setPen(QPen(h.roof.darker(160), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(h.roof);
    p.drawPolygon(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 24));
    const double r = b.width() * 0.15;
    p.drawEllipse(QPointF(b.center().x(), b.top() + b.height() * 0.42), r, r);
    p.setBrush(kWood);
    p.drawRect(QRectF(b.center().x() - 0.8, b.top() + b.height() * 0.42 + r + 1, 1.6, 3));
}

void smallFlower(QPainter& p, QPointF at, const QColor& petals) {
    p.setPen(QPen(QColor(60, 140, 60), 0.9));
    p.drawLine(at, at + QPointF(0, 5));
    flower(p, at, 2.6, petals, QColor(255, 230, 80), 5);
}

QImage picture(int w, int h) { return canvas(w, h, Qt::transparent); }

void hatFromAbove(QPainter& p, QPointF c, double brim, const QColor& ribbon) {
    QRadialGradient g(c, brim);
    g.setColorAt(0, kStraw.lighter(110));
    g.setColorAt(1, kStraw.darker(108));
    p.setPen(QPen(kStrawDark, 0.9));
    p.setBrush(g);
    p.drawEllipse(c, brim, brim);
    // Rings of plaited straw.
    p.setPen(QPen(QColor(200, 156, 80, 170), 0.6));
    p.setBrush(Qt::NoBrush);
    for (double r = brim - 2.5; r > brim * 0.55; r -= 2.2)
        p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawEllipse(c, brim * 0.6, brim * 0.6);
    QRadialGradient crown(c - QPointF(1.5, 1.5), brim * 0.5);
    crown.setColorAt(0, QColor(250, 226, 160));
    crown.setColorAt(1, kStraw.darker(112));
    p.setPen(QPen(kStrawDark, 0.7));
    p.setBrush(crown);
    p.drawEllipse(c, brim * 0.44, brim * 0.44);
}

}  // namespace

QImage strawHat(const QColor& ribbon) {
    QImage image = picture(28, 30);
    QPainter p(&image);
    smooth(p);
    hatFromAbove(p, QPointF(14, 14), 12.8, ribbon);
    // Ribbon ends trailing over the brim.
    p.setPen(QPen(ribbon.darker(130), 0.6));
    p.setBrush(ribbon);
    QPolygonF end1{QPointF(18, 20), QPointF(23, 28), QPointF(25, 26)};
    QPolygonF end2{QPointF(17, 21), QPointF(17, 29.5), QPointF(20, 29)};
    p.drawPolygon(end1);
    p.drawPolygon(end2);
    return image;
}

QImage girlInHat(const QColor& ribbon) {
    QImage image = picture(28, 30);
    QPainter p(&image);
    smooth(p);
    const QColor hair(150, 86, 40);
    // Hair falling behind the face.
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawRoundedRect(QRectF(4.5, 10, 19, 17), 6, 6);
    // Face.
    QRadialGradient skin(QPointF(13, 17), 10);
    skin.setColorAt(0, QColor(255, 226, 200));
    skin.setColorAt(1, QColor(240, 196, 160));
    p.setPen(QPen(QColor(200, 140, 110), 0.6));
    p.setBrush(skin);
    p.drawEllipse(QRectF(7, 10, 14, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QPointF(11.2, 18), 1.1, 1.3);
    p.drawEllipse(QPointF(16.8, 18), 1.1, 1.3);
    p.setBrush(QColor(255, 140, 150, 150));
    p.drawEllipse(QPointF(9.8, 21.2), 1.6, 1.1);
    p.drawEllipse(QPointF(18.2, 21.2), 1.6, 1.1);
    p.setPen(QPen(QColor(190, 60, 70), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11.5, 19.5, 5, 3.5), 200 * 16, 140 * 16);
    // Hat: a wide brim with the crown and its ribbon on top.
    p.setPen(QPen(kStrawDark, 0.8));
    p.setBrush(kStraw);
    p.drawEllipse(QRectF(0.5, 7, 27, 8));
    p.drawChord(QRectF(7, 1, 14, 14), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(7.2, 6.2, 13.6, 2.6));
    p.drawEllipse(QPointF(21.5, 7.6), 2.2, 1.8);  // the bow
    return image;
}

QImage purpleBirdhouseWithHeart() {
    QImage image = picture(20, 28);
    QPainter p(&image);
    smooth(p);
    birdhouse(p, {QRectF(3.5, 9, 13, 13), QColor(160, 90, 200), QColor(110, 50, 150)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 90));
    p.drawPath(heart(QRectF(7.5, 17.2, 5, 4.4)));
    return image;
}

QImage redRoofBirdhouseWithFlowers() {
    QImage image = picture(29, 28);
    QPainter p(&image);
    smooth(p);
    birdhouse(p, {QRectF(8, 9, 13, 12), QColor(250, 236, 196), QColor(210, 40, 40)});
    smallFlower(p, QPointF(4, 21), QColor(240, 110, 160));
    smallFlower(p, QPointF(25, 20), QColor(250, 210, 40));
    smallFlower(p, QPointF(25.5, 12.5), QColor(160, 110, 220));
    return image;
}

QImage tealBirdhouseWithFence() {
    QImage image = picture(30, 30);
    QPainter p(&image);
    smooth(p);
    birdhouse(p, {QRectF(8.5, 8.5, 13, 12), QColor(40, 170, 170), QColor(20, 110, 120)});
    // A white picket fence across the foot of the pole.
    p.setPen(QPen(QColor(150, 150, 150), 0.6));
    p.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i) {
        const double x = 1 + i * 4.8;
        QPolygonF picket{QPointF(x, 29.5), QPointF(x, 22.5), QPointF(x + 1.5, 21),
                         QPointF(x + 3, 22.5), QPointF(x + 3, 29.5)};
        p.drawPolygon(picket);
    }
    p.drawRect(QRectF(0.5, 24.5, 29, 1.6));
    return image;
}

QImage blueRoofBirdhouseWithFlowers() {
    QImage image = picture(29, 28);
    QPainter p(&image);
    smooth(p);
    birdhouse(p, {QRectF(8, 9, 13, 12), QColor(255, 246, 220), QColor(50, 100, 210)});
    smallFlower(p, QPointF(4, 20), QColor(250, 210, 40));
    smallFlower(p, QPointF(25, 21), QColor(240, 110, 160));
    smallFlower(p, QPointF(3.8, 12.5), QColor(255, 255, 255));
    return image;
}

QImage redBirdhouseWithSunflower() {
    QImage image = picture(30, 30);
    QPainter p(&image);
    smooth(p);
    birdhouse(p, {QRectF(3.5, 9, 13, 13), QColor(210, 44, 44), QColor(120, 70, 40)});
    p.setPen(QPen(QColor(60, 140, 60), 1.2));
    p.drawLine(QPointF(24, 14), QPointF(24, 30));
    leaf(p, QPointF(24, 24), QPointF(28.5, 20.5), 1.6, QColor(70, 150, 60));
    flower(p, QPointF(24, 10), 5.6, QColor(255, 204, 20), QColor(110, 60, 20), 10);
    return image;
}

QImage lightBlueBird() {
    QImage image = picture(20, 28);
    QPainter p(&image);
    smooth(p);
    const QColor blue(130, 196, 240), wing(80, 150, 210);
    p.setPen(QPen(QColor(230, 140, 30), 1));
    p.drawLine(QPointF(8, 22), QPointF(7, 27.5));
    p.drawLine(QPointF(11.5, 22), QPointF(12, 27.5));
    QPainterPath tail(QPointF(5, 16));
    tail.lineTo(0.5, 23);
    tail.lineTo(3.5, 24);
    tail.lineTo(8, 19);
    p.setPen(QPen(wing.darker(130), 0.6));
    p.setBrush(wing);
    p.drawPath(tail);
    p.setBrush(blue);
    p.drawEllipse(QRectF(3, 10, 13, 13));
    p.drawEllipse(QRectF(8, 3, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 255));
    p.drawEllipse(QRectF(8, 15, 7, 7));  // pale breast
    p.setPen(QPen(wing.darker(130), 0.6));
    p.setBrush(wing);
    QPainterPath w(QPointF(5, 14));
    w.quadTo(12, 13, 11, 19);
    w.quadTo(6, 20, 5, 14);
    p.drawPath(w);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 30));
    p.drawPolygon(QPolygonF{QPointF(17.5, 7), QPointF(20, 8.4), QPointF(17.3, 9.6)});
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(14.3, 7), 1.2, 1.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14.7, 6.6), 0.4, 0.4);
    return image;
}

namespace {

// A ring of leaves with a bow at the foot, inside a 29 x 37 picture.
void leafRing(QPainter& p) {
    const QPointF c(14.5, 17);
    const double rx = 11, ry = 13.5;
    for (int i = 0; i < 22; ++i) {
        const double a = 2 * M_PI * i / 22;
        const QPointF at = c + QPointF(rx * std::cos(a), ry * std::sin(a));
        const QPointF tip =
            c + QPointF((rx + 3.2) * std::cos(a + 0.35), (ry + 3.2) * std::sin(a + 0.35));
        leaf(p, at, tip, 1.5, i % 2 ? QColor(60, 140, 60) : QColor(100, 170, 80));
        const QPointF in = c + QPointF((rx - 3) * std::cos(a + 0.2), (ry - 3) * std::sin(a + 0.2));
        leaf(p, at, in, 1.3, i % 2 ? QColor(80, 150, 70) : QColor(50, 120, 55));
    }
}

void bow(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour.darker(140), 0.6));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{QPointF(14.5, 31), QPointF(9, 28), QPointF(9, 34)});
    p.drawPolygon(QPolygonF{QPointF(14.5, 31), QPointF(20, 28), QPointF(20, 34)});
    p.drawPolygon(QPolygonF{QPointF(14, 31), QPointF(11, 36.8), QPointF(13, 36.8)});
    p.drawPolygon(QPolygonF{QPointF(15, 31), QPointF(18, 36.8), QPointF(16, 36.8)});
    p.drawEllipse(QPointF(14.5, 31), 1.6, 1.6);
}

}  // namespace

QImage wreathAroundBirdhouse(const QColor& house) {
    QImage image = picture(29, 37);
    QPainter p(&image);
    smooth(p);
    leafRing(p);
    bow(p, QColor(220, 60, 80));
    // The little house hangs inside the ring.
    p.setPen(QPen(kWood, 0.6));
    p.drawLine(QPointF(14.5, 7), QPointF(14.5, 11));
    birdhouse(p, {QRectF(10.5, 15, 8, 8), house, house.darker(150), false});
    p.setPen(Qt::NoPen);
    return image;
}

QImage flowerWreath() {
    QImage image = picture(29, 37);
    QPainter p(&image);
    smooth(p);
    leafRing(p);
    const QPointF c(14.5, 17);
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * M_PI * i / 10 - M_PI / 2;
        const QPointF at = c + QPointF(11 * std::cos(a), 13.5 * std::sin(a));
        flower(p, at, 3.1, i % 2 ? QColor(200, 160, 240) : QColor(255, 214, 40),
               i % 2 ? QColor(255, 240, 120) : QColor(230, 130, 30), 5);
    }
    bow(p, QColor(180, 130, 230));
    return image;
}

}  // namespace art
