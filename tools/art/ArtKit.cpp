#include "ArtKit.h"

#include <QFontMetricsF>
#include <QPen>
#include <QtMath>

namespace art {

QImage canvas(int width, int height, const QColor& ground) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    return image;
}

void smooth(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

double grain(int x, int y, unsigned seed) {
    // Integer hash (a few xor-shift-multiply rounds) so the pattern is the same on every run.
    uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
                 seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967296.0;
}

QFont font(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont fitted(QFont base, const QString& text, double maxWidth) {
    while (base.pixelSize() > 6 && QFontMetricsF(base).horizontalAdvance(text) > maxWidth)
        base.setPixelSize(base.pixelSize() - 1);
    return base;
}

QPainterPath heart(const QRectF& box) {
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h * 0.28);
    path.cubicTo(x + w * 0.5, y + h * 0.02, x + w * 0.08, y - h * 0.04, x + w * 0.02, y + h * 0.3);
    path.cubicTo(x - w * 0.03, y + h * 0.58, x + w * 0.32, y + h * 0.76, x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.68, y + h * 0.76, x + w * 1.03, y + h * 0.58, x + w * 0.98, y + h * 0.3);
    path.cubicTo(x + w * 0.92, y - h * 0.04, x + w * 0.5, y + h * 0.02, x + w * 0.5, y + h * 0.28);
    path.closeSubpath();
    return path;
}

void outlinedText(QPainter& painter, QPointF origin, const QFont& font, const QString& text,
                  const QColor& fill, const QColor& edge, double edgeWidth) {
    QPainterPath path;
    path.addText(origin, font, text);
    painter.save();
    painter.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                 : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void flower(QPainter& painter, QPointF centre, double radius, const QColor& petals,
            const QColor& middle, int petalCount) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(petals.darker(140), radius * 0.08));
    painter.setBrush(petals);
    for (int i = 0; i < petalCount; ++i) {
        painter.save();
        painter.rotate(360.0 * i / petalCount);
        painter.drawEllipse(QRectF(-radius * 0.28, -radius, radius * 0.56, radius * 0.72));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(middle);
    painter.drawEllipse(QPointF(0, 0), radius * 0.32, radius * 0.32);
    painter.restore();
}

void leaf(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour) {
    const QPointF along = to - from;
    const QPointF across(-along.y(), along.x());
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0)
        return;
    const QPointF side = across * (width / length);
    QPainterPath path(from);
    path.quadTo(from + along * 0.5 + side, to);
    path.quadTo(from + along * 0.5 - side, from);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

void fabric(QPainter& painter, const QRectF& area, Fabric kind, const QColor& base,
            const QColor& print, double scale) {
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, base);
    painter.setPen(Qt::NoPen);
    const double step = 6 * scale;
    switch (kind) {
    case Fabric::Plain: break;
    case Fabric::Dots:
        painter.setBrush(print);
        for (double y = area.top(); y < area.bottom() + step; y += step)
            for (double x = area.left(); x < area.right() + step; x += step) {
                const double shift = (static_cast<int>((y - area.top()) / step) % 2) * step / 2;
                painter.drawEllipse(QPointF(x + shift, y), step * 0.18, step * 0.18);
            }
        break;
    case Fabric::Gingham: {
        QColor band = print;
        band.setAlpha(110);
        for (double x = area.left(); x < area.right(); x += step * 2)
            painter.fillRect(QRectF(x, area.top(), step, area.height()), band);
        for (double y = area.top(); y < area.bottom(); y += step * 2)
            painter.fillRect(QRectF(area.left(), y, area.width(), step), band);
        break;
    }
    case Fabric::Stripes:
        for (double x = area.left() - area.height(); x < area.right(); x += step * 1.5) {
            painter.setPen(QPen(print, step * 0.4));
            painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
        }
        break;
    case Fabric::Sprigs:
        for (double y = area.top() + step / 2; y < area.bottom() + step; y += step * 1.6)
            for (double x = area.left() + step / 2; x < area.right() + step; x += step * 1.6) {
                painter.setBrush(print);
                painter.drawEllipse(QPointF(x, y), step * 0.22, step * 0.22);
                painter.setBrush(QColor(90, 150, 80));
                painter.drawEllipse(QPointF(x + step * 0.3, y + step * 0.25), step * 0.12,
                                    step * 0.12);
            }
        break;
    }
    painter.restore();
}

void stitches(QPainter& painter, const QPainterPath& path, const QColor& thread, double width) {
    painter.save();
    QPen pen(thread, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({2.5, 2.0});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace art
