// Every opaque control of every window shows its design's back colour on the rendered pixels.
#include <QHash>
#include <QImage>

#include "support/DrillFixture.h"

namespace {

bool fillsItsBack(const design::Control& c) {
    if (c.backColour == design::kDefaultColour)
        return false;
    switch (c.kind) {
    case design::Kind::Label: return !(c.flags & design::kTransparent);
    case design::Kind::OptionButton:
    case design::Kind::Frame: return true;
    case design::Kind::CommandButton: return c.flags & design::kGraphical;
    default: return false;
    }
}

// The colour that covers most of a control's rectangle in the window's picture.
QRgb mostOf(const QImage& picture, QRect area) {
    QHash<QRgb, int> counts;
    area &= picture.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y) & 0xFFFFFF];
    QRgb most = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > best)
            best = it.value(), most = it.key();
    return most;
}

QRgb rgbOf(design::Colour value) {
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF) & 0xFFFFFF;
}

class BackColour : public DrillFixture {
protected:
    void expectBackColours(DesignedWindow& window, const design::Window& design) {
        const QImage picture = window.grab().toImage();
        for (const design::Control& c : design.controls) {
            QWidget* widget = control<QWidget>(window, c.name);
            if (!fillsItsBack(c) || !widget->isVisible() || (c.backColour & design::kSystemColour))
                continue;
            SCOPED_TRACE(c.name);
            const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
            EXPECT_EQ(QString::number(mostOf(picture, area), 16).toStdString(),
                      QString::number(rgbOf(c.backColour), 16).toStdString());
        }
    }
};

TEST_P(BackColour, EveryOpaqueControlShowsItsBackColour) {
    const design::Build& build = buildOf(GetParam());
    expectBackColours(setUp(), build.setUp);
    beginPractice(1, 3, 1);
    expectBackColours(practice(), build.practice);
    platform.randoms = {0.5f, 0.5f};
    click(practice(), "cmdNewQuestion");
    click(practice(), "cmdHint");
    expectBackColours(program->frmHints(), build.hints);
}

INSTANTIATE_TEST_SUITE_P(Programs, BackColour, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace
