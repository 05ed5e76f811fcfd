// Every embedded picture loads from its resource path at the pixel size its build's list gives.
#include "designs/second/Pictures.h"
#include "designs/standard/Pictures.h"

#include "platform/Dib.h"
#include "platform/Pictures.h"

#include <gtest/gtest.h>
#include <QDirIterator>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QSet>
#include <QString>
#include <span>

namespace {

struct Expected {
    const char* path;
    int width, height;
    design::Ground ground;  // icons and option pictures sit on whatever is behind them
};

namespace standard = designs::standard::pictures;
namespace second = designs::second::pictures;

// Every picture that a program embeds, as its build's list gives it.
#define PICTURE(name, file, width, height, ground, use, ...) \
    DESIGN_IF_EMBEDDED(use, {pictures::name, width, height, design::Ground::ground}, )

const Expected kStandard[] = {
#define pictures standard
#include "designs/standard/Pictures.def"
#undef pictures
};

const Expected kSecond[] = {
#define pictures second
#include "designs/second/Pictures.def"
#undef pictures
};

#undef PICTURE

void expectPictures(std::span<const Expected> table) {
    for (const Expected& e : table) {
        SCOPED_TRACE(e.path);
        const QImage image(QString::fromUtf8(e.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
        // A background with holes would show the window colour through; an icon needs its clear
        // corners.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)) < 255, e.ground == design::Ground::Clear);
    }
}

// Names in the resource folder and in the table must agree, so no picture goes unchecked or unused.
void expectSameNames(const char* folder, std::span<const Expected> table) {
    QSet<QString> embedded, listed;
    QDirIterator it(QString::fromUtf8(folder), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        embedded.insert(it.next());
    for (const Expected& e : table)
        listed.insert(QString::fromUtf8(e.path));
    EXPECT_EQ(embedded, listed);
}

// Opening a picture decodes nothing: it is stored uncompressed, an opaque one is shown from the
// program's own bytes, each shows the pixels any bitmap reader sees, and it is opened only once.
void expectOpenedInPlace(std::span<const Expected> table) {
    for (const Expected& e : table) {
        SCOPED_TRACE(e.path);
        const QResource resource(QString::fromUtf8(e.path));
        EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);
        const QPixmap shown = picture(e.path);
        const auto asDrawn = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        EXPECT_EQ(asDrawn(shown.toImage()), asDrawn(QImage(QString::fromUtf8(e.path))));
        EXPECT_EQ(picture(e.path).cacheKey(), shown.cacheKey());
        const auto layout = dib::read(resource.data(), static_cast<size_t>(resource.size()));
        ASSERT_TRUE(layout.has_value());
        if (e.ground == design::Ground::Opaque) {
            EXPECT_EQ(shown.toImage().constBits(), resource.data() + layout->pixelOffset);
        }
    }
}

TEST(Pictures, StandardBuildPicturesHaveTheirSizes) { expectPictures(kStandard); }
TEST(Pictures, SecondBuildPicturesHaveTheirSizes) { expectPictures(kSecond); }

TEST(Pictures, EveryPictureOpensInPlaceOnce) {
    expectOpenedInPlace(kStandard);
    expectOpenedInPlace(kSecond);
}

TEST(Pictures, EveryEmbeddedPictureIsListed) {
    expectSameNames(":/standard", kStandard);
    expectSameNames(":/second", kSecond);
}

TEST(Pictures, IconListsRunFromLargestToSmallest) {
    EXPECT_EQ(QImage(standard::butterflyIcon[0]).width(), 48);
    EXPECT_EQ(QImage(standard::butterflyIcon[2]).width(), 16);
    EXPECT_EQ(QImage(second::butterflyIcon[1]).width(), 32);
    EXPECT_EQ(QImage(standard::defaultWindowIcon[0]).width(), 32);
    EXPECT_EQ(QImage(second::defaultWindowIcon[1]).width(), 16);
}

TEST(Pictures, HintPanelIsWashedOutOnlyInsideItsRectangle) {
    const QImage practice(standard::practiceBackground), hint(standard::hintBackground);
    const auto nearWhite = [](QRgb c) {
        return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
    };
    for (const QPoint corner :
         {QPoint(228, 88), QPoint(421, 88), QPoint(228, 359), QPoint(421, 359)})
        EXPECT_TRUE(nearWhite(hint.pixel(corner))) << corner.x() << "," << corner.y();
    for (const QPoint outside :
         {QPoint(227, 200), QPoint(422, 200), QPoint(300, 87), QPoint(300, 360)})
        EXPECT_EQ(hint.pixel(outside), practice.pixel(outside))
            << outside.x() << "," << outside.y();
}

}  // namespace

namespace {

// The title stands in the sky that the set-up window leaves free: above the name label and the
// Begin Practice button (70 pixels down), left of that button (500 across), and it is large.
TEST(Pictures, SetUpTitleStandsInTheFreeSky) {
    const QImage practice(standard::practiceBackground), setUp(standard::setUpBackground);
    QRect title;
    for (int y = 0; y < setUp.height(); ++y)
        for (int x = 0; x < setUp.width(); ++x)
            if (setUp.pixel(x, y) != practice.pixel(x, y))
                title |= QRect(x, y, 1, 1);
    EXPECT_TRUE(QRect(0, 0, 500, 70).contains(title))
        << title.x() << "," << title.y() << " " << title.width() << "x" << title.height();
    EXPECT_GE(title.width(), 240);
    EXPECT_GE(title.height(), 50);
}

}  // namespace
