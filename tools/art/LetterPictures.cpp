#include "LetterPictures.h"

#include "ArtKit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPen>

namespace art {
namespace {

const QString kFamily = "URW Bookman";

// The initial as a big letter with a shaded fill; returns its right edge.
double initial(QPainter& p, const QString& letter, QPointF origin, int pixelSize,
               const QColor& colour) {
    const QFont f = font(kFamily, pixelSize, true);
    QPainterPath path;
    path.addText(origin, f, letter);
    const QRectF box = path.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(path.translated(3, 3));
    p.setPen(QPen(colour.darker(170), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    // A thin light line inside the letter, like piping.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    QTransform inset;
    inset.translate(box.center().x(), box.center().y());
    inset.scale(0.92, 0.94);
    inset.translate(-box.center().x(), -box.center().y());
    p.drawPath(inset.map(path));
    return box.right();
}

// The rest of the word, in a narrow face so it stays large beside the initial.
void word(QPainter& p, const QString& text, QPointF origin, double maxWidth, int pixelSize,
          const QColor& colour) {
    const QFont f = fitted(font("Nimbus Sans Narrow", pixelSize, true), text, maxWidth);
    outlinedText(p, origin, f, text, colour, colour.darker(150), 0.8);
}

void flowerWithLeaves(QPainter& p, QPointF centre, double radius, const QColor& petals,
                      const QColor& middle) {
    leaf(p, centre, centre + QPointF(radius * 1.5, radius * 0.9), radius * 0.35,
         QColor(70, 150, 60));
    leaf(p, centre, centre + QPointF(-radius * 1.4, radius * 1.0), radius * 0.35,
         QColor(60, 135, 55));
    flower(p, centre, radius, petals, middle, 6);
}

}  // namespace

QImage letteredCorrect() {
    QImage image = canvas(173, 119, Qt::white);
    QPainter p(&image);
    smooth(p);
    const double right = initial(p, "C", QPointF(2, 104), 112, QColor(245, 130, 20));
    // The flower sits on the thick left curve of the C.
    flowerWithLeaves(p, QPointF(20, 58), 13, QColor(220, 30, 150), QColor(255, 220, 60));
    word(p, "ORRECT", QPointF(right + 1, 102), 173 - right - 4, 40, QColor(90, 40, 130));
    return image;
}

QImage letteredTryAgain() {
    QImage image = canvas(239, 118, Qt::white);
    QPainter p(&image);
    smooth(p);
    const double right = initial(p, "T", QPointF(0, 106), 122, QColor(130, 50, 170));
    // The flower blooms on the T's bar.
    flowerWithLeaves(p, QPointF(40, 28), 13, QColor(255, 212, 20), QColor(200, 90, 20));
    const QColor letters(40, 100, 170);
    word(p, "RY", QPointF(right + 2, 58), 80, 46, letters);
    word(p, "AGAIN", QPointF(right - 12, 106), 239 - right + 8, 50, letters);
    return image;
}

}  // namespace art
