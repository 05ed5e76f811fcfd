// Every embedded picture loads from its resource path at the pixel size its window expects.
#include "designs/second/Pictures.h"
#include "designs/standard/Pictures.h"

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>
#include <span>

namespace {

struct Expected {
    const char* path;
    int width, height;
    bool transparentGround;  // icons and option pictures sit on whatever is behind them
};

namespace standard = designs::standard::pictures;
namespace second = designs::second::pictures;

const Expected kStandard[] = {
    {standard::setUpBackground, 640, 480, false},
    {standard::practiceBackground, 640, 480, false},
    {standard::hintBackground, 640, 480, false},
    {standard::correct, 115, 115, false},
    {standard::tryAgain, 104, 121, false},
    {standard::butterfly48, 48, 48, true},
    {standard::butterfly32, 32, 32, true},
    {standard::butterfly16, 16, 16, true},
    {standard::windowIcon32, 32, 32, true},
    {standard::windowIcon16, 16, 16, true},
};

const Expected kSecond[] = {
    {second::background, 770, 454, false},
    {second::banner, 480, 118, false},
    {second::correct, 173, 119, false},
    {second::tryAgain, 239, 118, false},
    {second::hatBlue, 28, 30, true},
    {second::girlBlue, 28, 30, true},
    {second::hatRed, 28, 30, true},
    {second::girlRed, 28, 30, true},
    {second::hatYellow, 28, 30, true},
    {second::girlYellow, 28, 30, true},
    {second::birdhouseHeart, 20, 28, true},
    {second::birdhouseRedRoof, 29, 28, true},
    {second::birdhouseFence, 30, 30, true},
    {second::birdhouseBlueRoof, 29, 28, true},
    {second::birdhouseSunflower, 30, 30, true},
    {second::bird, 20, 28, true},
    {second::wreathTeal, 29, 37, true},
    {second::wreathPurple, 29, 37, true},
    {second::wreathFlowers, 29, 37, true},
    {second::butterfly48, 48, 48, true},
    {second::butterfly32, 32, 32, true},
    {second::butterfly16, 16, 16, true},
    {second::windowIcon32, 32, 32, true},
    {second::windowIcon16, 16, 16, true},
};

void expectPictures(std::span<const Expected> table) {
    for (const Expected& e : table) {
        SCOPED_TRACE(e.path);
        const QImage image(QString::fromUtf8(e.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
        // A background with holes would show the window colour through; an icon needs its clear corners.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)) < 255, e.transparentGround);
    }
}

// Names in the resource folder and in the table must agree, so no picture goes unchecked or unused.
void expectSameNames(const char* folder, std::span<const Expected> table) {
    QSet<QString> embedded, listed;
    QDirIterator it(QString::fromUtf8(folder), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) embedded.insert(it.next());
    for (const Expected& e : table) listed.insert(QString::fromUtf8(e.path));
    EXPECT_EQ(embedded, listed);
}

TEST(Pictures, StandardBuildPicturesHaveTheirSizes) { expectPictures(kStandard); }
TEST(Pictures, SecondBuildPicturesHaveTheirSizes) { expectPictures(kSecond); }

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
    const auto nearWhite = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; };
    for (const QPoint corner : {QPoint(228, 88), QPoint(421, 88), QPoint(228, 359), QPoint(421, 359)})
        EXPECT_TRUE(nearWhite(hint.pixel(corner))) << corner.x() << "," << corner.y();
    for (const QPoint outside : {QPoint(227, 200), QPoint(422, 200), QPoint(300, 87), QPoint(300, 360)})
        EXPECT_EQ(hint.pixel(outside), practice.pixel(outside)) << outside.x() << "," << outside.y();
}

}  // namespace
