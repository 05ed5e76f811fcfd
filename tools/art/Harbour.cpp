#include "Harbour.h"

#include "ArtKit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <array>

namespace art {
namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr double kShoreLine = 262;  // where the far shore meets the water
constexpr double kWharfTop = 338;   // deck level of the wharf in the foreground

void sky(QPainter& p) {
    QLinearGradient g(0, 0, 0, kShoreLine);
    g.setColorAt(0, QColor(58, 118, 190));
    g.setColorAt(0.6, QColor(118, 170, 222));
    g.setColorAt(1, QColor(196, 220, 238));
    p.fillRect(QRectF(0, 0, kWidth, kShoreLine), g);
}

void cloud(QPainter& p, QPointF at, double scale) {
    struct Puff {
        double dx, dy, r;
    };
    static constexpr std::array<Puff, 7> puffs{{{-38, 6, 18},
                                                {-18, -6, 24},
                                                {8, -14, 28},
                                                {34, -4, 22},
                                                {54, 8, 16},
                                                {-2, 8, 22},
                                                {24, 10, 20}}};
    p.save();
    p.translate(at);
    p.scale(scale, scale * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 186, 210, 200));  // the shaded underside shows below the puffs
    for (const Puff& f : puffs)
        p.drawEllipse(QPointF(f.dx + 3, f.dy + 7), f.r, f.r);
    for (const Puff& f : puffs) {
        QRadialGradient g(f.dx - f.r * 0.3, f.dy - f.r * 0.4, f.r * 1.3);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(228, 234, 244));
        p.setBrush(g);
        p.drawEllipse(QPointF(f.dx, f.dy), f.r, f.r);
    }
    p.restore();
}

void clouds(QPainter& p) {
    // Kept to the top edge and the horizon so the title has clear sky behind it.
    cloud(p, {70, 28}, 1.1);
    cloud(p, {300, 14}, 0.8);
    cloud(p, {560, 34}, 1.2);
    cloud(p, {130, 214}, 0.7);
    cloud(p, {420, 222}, 0.9);
    cloud(p, {600, 206}, 0.6);
}

void hills(QPainter& p) {
    QPainterPath far(QPointF(0, kShoreLine));
    far.lineTo(0, 232);
    far.cubicTo(90, 210, 170, 226, 260, 222);
    far.cubicTo(350, 218, 420, 200, 520, 214);
    far.cubicTo(580, 222, 620, 218, kWidth, 224);
    far.lineTo(kWidth, kShoreLine);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(136, 158, 170));
    p.drawPath(far);

    QPainterPath near(QPointF(0, kShoreLine));
    near.lineTo(0, 244);
    near.cubicTo(120, 236, 200, 248, 330, 242);
    near.cubicTo(440, 238, 540, 246, kWidth, 240);
    near.lineTo(kWidth, kShoreLine);
    p.setBrush(QColor(92, 122, 96));
    p.drawPath(near);
}

void sheds(QPainter& p) {
    struct Shed {
        double x, w, h;
        QColor wall;
    };
    const std::array<Shed, 12> row{{
        {8, 44, 20, QColor(176, 70, 58)},
        {54, 34, 16, QColor(232, 226, 210)},
        {92, 52, 24, QColor(150, 154, 160)},
        {148, 30, 14, QColor(210, 196, 150)},
        {182, 46, 22, QColor(236, 236, 232)},
        {232, 40, 18, QColor(112, 132, 156)},
        {276, 56, 26, QColor(176, 70, 58)},
        {336, 32, 16, QColor(232, 226, 210)},
        {372, 48, 21, QColor(150, 154, 160)},
        {424, 38, 17, QColor(236, 236, 232)},
        {466, 54, 25, QColor(160, 92, 60)},
        {526, 42, 19, QColor(212, 204, 188)},
    }};
    // The quay the sheds stand on.
    p.fillRect(QRectF(0, kShoreLine - 6, kWidth, 6), QColor(150, 140, 126));
    for (const Shed& s : row) {
        const double base = kShoreLine - 6, top = base - s.h;
        p.setPen(QPen(s.wall.darker(150), 0.8));
        p.setBrush(s.wall);
        p.drawRect(QRectF(s.x, top, s.w, s.h));
        QPolygonF roof{QPointF(s.x - 2, top), QPointF(s.x + s.w / 2, top - s.h * 0.45),
                       QPointF(s.x + s.w + 2, top)};
        p.setBrush(QColor(84, 78, 80));
        p.drawPolygon(roof);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 56, 58));
        p.drawRect(QRectF(s.x + s.w * 0.38, base - s.h * 0.7, s.w * 0.24, s.h * 0.7));  // big door
        p.setBrush(QColor(70, 90, 110));
        p.drawRect(QRectF(s.x + s.w * 0.12, top + s.h * 0.25, s.w * 0.14, s.h * 0.22));
        p.drawRect(QRectF(s.x + s.w * 0.74, top + s.h * 0.25, s.w * 0.14, s.h * 0.22));
    }
}

// The shore mirrored in the water, faint and broken up by the ripples drawn over it.
void reflection(QPainter& p, const QImage& shore) {
    const QImage band =
        shore.copy(0, static_cast<int>(kShoreLine) - 44, kWidth, 44).mirrored(false, true);
    p.save();
    p.setOpacity(0.3);
    for (int y = 0; y < band.height(); y += 2) {
        const double shift = 3 * (grain(y, 0, 31) - 0.5);
        p.drawImage(QPointF(shift, kShoreLine + y), band, QRectF(0, y, kWidth, 2));
    }
    p.restore();
}

void water(QPainter& p) {
    QLinearGradient g(0, kShoreLine, 0, kHeight);
    g.setColorAt(0, QColor(96, 140, 168));
    g.setColorAt(0.35, QColor(52, 104, 140));
    g.setColorAt(1, QColor(24, 70, 104));
    p.fillRect(QRectF(0, kShoreLine, kWidth, kHeight - kShoreLine), g);
}

void ripples(QPainter& p) {
    // Ripples: short light strokes, longer and further apart toward the viewer.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const double depth = grain(i, 1, 21);  // 0 far, 1 near
        const double y = kShoreLine + 4 + depth * depth * (kHeight - kShoreLine - 4);
        const double x = grain(i, 2, 22) * kWidth;
        const double len = 4 + 26 * depth * grain(i, 3, 23);
        const int alpha = 40 + static_cast<int>(70 * grain(i, 4, 24));
        p.setBrush(grain(i, 5, 25) > 0.35 ? QColor(200, 226, 240, alpha)
                                          : QColor(16, 50, 80, alpha));
        p.drawRoundedRect(QRectF(x, y, len, 1 + depth * 1.5), 1, 1);
    }
}

void wharf(QPainter& p) {
    const double right = 452;
    // Piles, then the deck on top of them.
    p.setPen(Qt::NoPen);
    for (double x = 6; x < right; x += 38) {
        p.setBrush(QColor(64, 46, 32));
        p.drawRect(QRectF(x, kWharfTop + 10, 8, 44));
        p.setBrush(QColor(40, 60, 76, 120));  // the pile's reflection
        p.drawRect(QRectF(x, kWharfTop + 54, 8, 22));
    }
    QLinearGradient deck(0, kWharfTop - 8, 0, kWharfTop);
    deck.setColorAt(0, QColor(170, 132, 88));
    deck.setColorAt(1, QColor(138, 102, 64));
    QPolygonF top{QPointF(0, kWharfTop - 8), QPointF(right - 10, kWharfTop - 8),
                  QPointF(right, kWharfTop), QPointF(0, kWharfTop)};
    p.setBrush(deck);
    p.drawPolygon(top);
    p.setPen(QPen(QColor(110, 80, 50), 0.7));
    for (double x = 10; x < right - 10; x += 12)
        p.drawLine(QPointF(x, kWharfTop - 8), QPointF(x - 2, kWharfTop));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 68, 42));
    p.drawRect(QRectF(0, kWharfTop, right, 10));
    // Bollards for the mooring lines.
    for (double x : {60.0, 200.0, 330.0}) {
        p.setBrush(QColor(50, 50, 54));
        p.drawRoundedRect(QRectF(x, kWharfTop - 16, 8, 10), 2, 2);
    }
}

void boat(QPainter& p, double x, double waterline, double length, const QColor& stripe,
          bool facingLeft) {
    p.save();
    p.translate(x, waterline);
    if (facingLeft)
        p.scale(-1, 1);
    const double L = length, H = length * 0.2;

    // Reflection first, so the hull sits on it.
    QPainterPath reflection;
    reflection.moveTo(0, 0);
    reflection.lineTo(L, 0);
    reflection.cubicTo(L * 0.9, H * 0.7, L * 0.3, H * 0.9, 0.04 * L, H * 0.7);
    reflection.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 238, 244, 70));
    p.drawPath(reflection);

    QPainterPath hull;
    hull.moveTo(0, -H);
    hull.lineTo(L * 0.78, -H * 1.05);
    hull.quadTo(L * 0.95, -H * 1.2, L * 1.04, -H * 1.55);  // the bow rises
    hull.quadTo(L * 0.96, -H * 0.2, L * 0.8, 0);
    hull.lineTo(L * 0.08, 0);
    hull.quadTo(0, -H * 0.3, 0, -H);
    QLinearGradient shade(0, -H * 1.5, 0, 0);
    shade.setColorAt(0, QColor(255, 255, 255));
    shade.setColorAt(1, QColor(196, 204, 212));
    p.setPen(QPen(QColor(90, 96, 104), 1));
    p.setBrush(shade);
    p.drawPath(hull);
    // Coloured rubbing strake along the gunwale and an antifouling line at the water.
    p.setPen(QPen(stripe, H * 0.16));
    p.drawLine(QPointF(L * 0.02, -H * 0.86), QPointF(L * 0.86, -H * 0.96));
    p.setPen(QPen(QColor(150, 40, 36), H * 0.1));
    p.drawLine(QPointF(L * 0.08, -H * 0.06), QPointF(L * 0.8, -H * 0.06));

    // Wheelhouse toward the stern, with dark windows.
    const QRectF house(L * 0.14, -H * 2.25, L * 0.3, H * 1.25);
    p.setPen(QPen(QColor(110, 116, 124), 0.8));
    p.setBrush(QColor(248, 248, 248));
    p.drawRect(house);
    p.setBrush(QColor(230, 232, 236));
    p.drawRect(QRectF(house.left() - 2, house.top() - 3, house.width() + 4, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 64, 86));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(house.left() + house.width() * (0.08 + 0.31 * i), house.top() + H * 0.18,
                          house.width() * 0.24, H * 0.4));

    // Mast with a crossbar and stays, and a net boom.
    p.setPen(QPen(QColor(70, 70, 76), 1.6));
    const QPointF foot(L * 0.5, -H * 1.05), head(L * 0.5, -H * 4.6);
    p.drawLine(foot, head);
    p.drawLine(QPointF(L * 0.42, -H * 4.0), QPointF(L * 0.58, -H * 4.0));
    p.setPen(QPen(QColor(70, 70, 76), 0.6));
    p.drawLine(head, QPointF(L * 0.98, -H * 1.45));
    p.drawLine(head, QPointF(L * 0.05, -H * 1.0));
    p.setPen(QPen(QColor(70, 70, 76), 1.2));
    p.drawLine(QPointF(L * 0.5, -H * 2.6), QPointF(L * 0.8, -H * 1.6));
    p.restore();
}

void mooringLine(QPainter& p, QPointF from, QPointF to) {
    QPainterPath rope(from);
    rope.quadTo((from + to) / 2 + QPointF(0, 8), to);
    p.setPen(QPen(QColor(220, 210, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rope);
}

void boats(QPainter& p) {
    // Moored along the wharf's face, largest nearest the viewer; the bottom right stays open water.
    boat(p, 18, 392, 130, QColor(30, 80, 160), false);
    boat(p, 336, 384, 112, QColor(36, 130, 90), true);
    boat(p, 168, 418, 158, QColor(200, 50, 40), false);
    mooringLine(p, {64, kWharfTop - 10}, {40, 368});
    mooringLine(p, {204, kWharfTop - 10}, {196, 388});
    mooringLine(p, {334, kWharfTop - 10}, {322, 364});
}

QImage scene() {
    QImage image = canvas(kWidth, kHeight, Qt::white);
    QPainter p(&image);
    smooth(p);
    sky(p);
    clouds(p);
    hills(p);
    sheds(p);
    const QImage shore = image.copy();
    water(p);
    reflection(p, shore);
    ripples(p);
    wharf(p);
    boats(p);
    return image;
}

}  // namespace

QImage harbour() { return scene(); }

QImage harbourWithTitle() {
    QImage image = scene();
    QPainter p(&image);
    smooth(p);
    const QString title = "Varnel";
    // The set-up window's controls start 72 pixels down on the right and 88 on the left, so the
    // title stays in the sky above them, left of the Begin Practice button at pixel 504.
    const QRectF sky(8, 4, 488, 58);
    QFont f = font("DejaVu Serif", 96, true);
    QPainterPath shape;
    for (;;) {
        shape = QPainterPath();
        shape.addText(QPointF(0, 0), f, title);
        const QRectF ink = shape.boundingRect();
        if ((ink.width() <= sky.width() && ink.height() <= sky.height()) || f.pixelSize() <= 12)
            break;
        f.setPixelSize(f.pixelSize() - 1);
    }
    const QRectF ink = shape.boundingRect();
    const QPointF origin = sky.center() - ink.center();
    // A dark halo and edge keep the white letters readable on the clouds and the pale sky.
    for (int i = 4; i >= 1; --i)
        outlinedText(p, origin + QPointF(i * 0.8, i * 0.8), f, title, QColor(20, 40, 80, 50),
                     QColor(20, 40, 80, 50), i * 1.5);
    outlinedText(p, origin, f, title, Qt::white, QColor(40, 60, 100), 2);
    return image;
}

QImage harbourWithPanel() {
    QImage image = scene();
    QPainter p(&image);
    // Pixels 228..421 across and 88..359 down, inclusive: where the worked division stands.
    p.fillRect(QRect(228, 88, 194, 272), QColor(252, 252, 250, 242));
    return image;
}

}  // namespace art
