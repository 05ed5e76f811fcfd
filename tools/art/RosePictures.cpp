#include "RosePictures.h"

#include "ArtKit.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <array>

namespace art {
namespace {

const QColor kRose(255, 192, 192);

// A linen-like weave: threads across and down, slightly uneven.
void weave(QImage& image, unsigned seed) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double thread =
                ((x + y) % 2 == 0 ? 3 : -3) + (x % 3 == 0 ? -3 : 0) + (y % 3 == 0 ? -2 : 0);
            const int d = static_cast<int>(thread + 8 * (grain(x, y, seed) - 0.5));
            const QColor c = QColor::fromRgb(line[x]);
            line[x] = qRgb(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                           std::clamp(c.blue() + d, 0, 255));
        }
    }
}

struct Print {
    Fabric kind;
    QColor base, print;
};

const std::array<Print, 6> kPrints{{
    {Fabric::Gingham, QColor(250, 214, 222), QColor(214, 90, 130)},
    {Fabric::Dots, QColor(206, 232, 204), QColor(255, 255, 255)},
    {Fabric::Sprigs, QColor(252, 244, 220), QColor(230, 110, 130)},
    {Fabric::Stripes, QColor(222, 212, 240), QColor(180, 160, 220)},
    {Fabric::Dots, QColor(255, 226, 170), QColor(236, 150, 80)},
    {Fabric::Plain, QColor(196, 224, 238), QColor(0, 0, 0)},
}};

const std::array<QColor, 4> kTulips{QColor(220, 40, 70), QColor(250, 200, 40), QColor(170, 70, 190),
                                    QColor(245, 120, 150)};

void tulip(QPainter& p, QPointF base, double height, const QColor& bloom) {
    const double h = height;
    p.save();
    p.setPen(QPen(QColor(60, 130, 60), std::max(1.0, h * 0.06)));
    p.drawLine(base, base - QPointF(0, h * 0.62));
    leaf(p, base, base + QPointF(-h * 0.28, -h * 0.5), h * 0.1, QColor(80, 160, 70));
    leaf(p, base, base + QPointF(h * 0.26, -h * 0.42), h * 0.1, QColor(70, 145, 60));
    const QPointF cup = base - QPointF(0, h * 0.62);
    QPainterPath flower(cup + QPointF(-h * 0.2, -h * 0.04));
    flower.lineTo(cup + QPointF(-h * 0.22, -h * 0.34));
    flower.lineTo(cup + QPointF(-h * 0.1, -h * 0.22));
    flower.lineTo(cup + QPointF(0, -h * 0.38));
    flower.lineTo(cup + QPointF(h * 0.1, -h * 0.22));
    flower.lineTo(cup + QPointF(h * 0.22, -h * 0.34));
    flower.lineTo(cup + QPointF(h * 0.2, -h * 0.04));
    flower.quadTo(cup + QPointF(0, h * 0.08), cup + QPointF(-h * 0.2, -h * 0.04));
    p.setPen(QPen(bloom.darker(150), std::max(0.6, h * 0.03)));
    p.setBrush(bloom);
    p.drawPath(flower);
    p.restore();
}

// One quilt block: four patches, each with a tulip, framed by a stitched border.
void quiltBlock(QPainter& p, const QRectF& block, int index) {
    const double border = 4;
    p.fillRect(block, QColor(250, 238, 230));
    const QRectF inner = block.adjusted(border, border, -border, -border);
    const double w = inner.width() / 2, h = inner.height() / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF patch(inner.left() + (i % 2) * w, inner.top() + (i / 2) * h, w, h);
        const Print& pr = kPrints[(index * 2 + i * 5) % kPrints.size()];
        fabric(p, patch, pr.kind, pr.base, pr.print, 0.9);
        tulip(p, QPointF(patch.center().x(), patch.bottom() - 4), h - 8, kTulips[(index + i) % 4]);
    }
    p.setPen(QPen(QColor(200, 130, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner);
    p.drawLine(QPointF(inner.center().x(), inner.top()),
               QPointF(inner.center().x(), inner.bottom()));
    p.drawLine(QPointF(inner.left(), inner.center().y()),
               QPointF(inner.right(), inner.center().y()));
    QPainterPath seam;
    seam.addRect(block.adjusted(2, 2, -2, -2));
    stitches(p, seam, QColor(214, 120, 140), 0.8);
}

// A heart sewn from four prints, with a stitched edge.
void patchworkHeart(QPainter& p, const QRectF& box, double angle, int firstPrint) {
    p.save();
    p.translate(box.center());
    p.rotate(angle);
    const QRectF local(-box.width() / 2, -box.height() / 2, box.width(), box.height());
    const QPainterPath shape = heart(local);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 60, 90, 70));
    p.drawPath(shape.translated(2, 3));  // a soft shadow lifts it off the ground
    p.save();
    p.setClipPath(shape);
    const double cx = local.center().x(), cy = local.center().y() + local.height() * 0.05;
    const QRectF quarters[4] = {
        QRectF(local.left(), local.top(), cx - local.left(), cy - local.top()),
        QRectF(cx, local.top(), local.right() - cx, cy - local.top()),
        QRectF(local.left(), cy, cx - local.left(), local.bottom() - cy),
        QRectF(cx, cy, local.right() - cx, local.bottom() - cy)};
    for (int i = 0; i < 4; ++i) {
        const Print& pr = kPrints[(firstPrint + i) % kPrints.size()];
        fabric(p, quarters[i], pr.kind, pr.base, pr.print, box.width() / 70.0);
    }
    p.setPen(QPen(QColor(190, 110, 130), 1));
    p.drawLine(QPointF(cx, local.top()), QPointF(cx, local.bottom()));
    p.drawLine(QPointF(local.left(), cy), QPointF(local.right(), cy));
    p.restore();
    QTransform shrink;
    shrink.translate(cx, local.center().y());
    shrink.scale(0.86, 0.86);
    shrink.translate(-cx, -local.center().y());
    stitches(p, shrink.map(shape), QColor(150, 40, 90), 1);
    p.setPen(QPen(QColor(160, 50, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.restore();
}

}  // namespace

QImage roseFieldWithTulipBlocks() {
    QImage image = canvas(770, 454, kRose);
    image.convertTo(QImage::Format_RGB32);
    weave(image, 5);
    QPainter p(&image);
    smooth(p);
    constexpr int stripWidth = 93, blocks = 5;
    for (int i = 0; i < blocks; ++i) {
        const int top = i * image.height() / blocks, bottom = (i + 1) * image.height() / blocks;
        quiltBlock(p, QRectF(0, top, stripWidth, bottom - top), i);
    }
    // A binding strip down the strip's right edge.
    p.fillRect(QRectF(stripWidth - 3, 0, 3, image.height()), QColor(196, 100, 130));
    return image;
}

QImage titleBanner() {
    QImage image = canvas(480, 118, kRose);
    image.convertTo(QImage::Format_RGB32);
    weave(image, 9);
    QPainter p(&image);
    smooth(p);
    // Keep everything inside the 473 x 113 that the windows show of it.
    patchworkHeart(p, QRectF(12, 16, 80, 76), -12, 0);
    patchworkHeart(p, QRectF(368, 10, 70, 66), 10, 2);
    patchworkHeart(p, QRectF(414, 50, 48, 46), 22, 4);

    const QString title = "Varnel";
    const QFont f = fitted(font("URW Bookman", 74, true, true), title, 260);
    const double w = QFontMetricsF(f).horizontalAdvance(title);
    const QPointF origin(100 + (262 - w) / 2, 84);
    outlinedText(p, origin + QPointF(4, 4), f, title, QColor(255, 236, 240), QColor(255, 236, 240),
                 1);
    outlinedText(p, origin, f, title, QColor(118, 36, 150), QColor(80, 20, 110), 1.2);
    return image;
}

}  // namespace art
