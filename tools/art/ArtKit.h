// Drawing helpers shared by the picture painters: canvases, fonts, texture and small motifs.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace art {

// A canvas of the given size; a transparent ground gives an image with alpha.
QImage canvas(int width, int height, const QColor& ground);

// Antialiased shapes and text on every painter we open.
void smooth(QPainter& painter);

// A repeatable value in [0, 1) for a spot: texture without a random generator.
double grain(int x, int y, unsigned seed);

QFont font(const QString& family, int pixelSize, bool bold = true, bool italic = false);

// The largest pixel size (at most `pixelSize`) at which `text` fits `maxWidth`.
QFont fitted(QFont base, const QString& text, double maxWidth);

QPainterPath heart(const QRectF& box);

// Text filled with `fill` and outlined with `edge`; `origin` is the baseline's left end.
void outlinedText(QPainter& painter, QPointF origin, const QFont& font, const QString& text,
                  const QColor& fill, const QColor& edge, double edgeWidth);

void flower(QPainter& painter, QPointF centre, double radius, const QColor& petals,
            const QColor& middle, int petalCount = 5);

void leaf(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour);

// Fabric prints for patchwork: each kind fills `area` with its pattern.
enum class Fabric { Plain, Dots, Gingham, Stripes, Sprigs };
void fabric(QPainter& painter, const QRectF& area, Fabric kind, const QColor& base,
            const QColor& print, double scale);

// A running stitch along a path, as quilters sew it.
void stitches(QPainter& painter, const QPainterPath& path, const QColor& thread, double width);

}  // namespace art
