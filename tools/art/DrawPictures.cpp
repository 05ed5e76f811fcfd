// Draws every picture and icon of one build into a folder, for embedding as Qt resources.
#include "FishPictures.h"
#include "Harbour.h"
#include "Icons.h"
#include "LetterPictures.h"
#include "OptionPictures.h"
#include "RosePictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Picture {
    const char* file;
    int width, height;  // checked here so a drawing slip fails the build, not the program
    std::function<QImage()> draw;
};

const QColor kBlue(40, 90, 210), kRed(215, 40, 50), kYellow(250, 205, 30);

// Both programs carry the butterfly and the plain window icon, each in its own resources; the
// window icon at 48 pixels is only installed, as Varnel's program icon for the desktop.
std::vector<Picture> withIcons(std::vector<Picture> pictures) {
    pictures.insert(pictures.end(), {
        {"butterfly-48.png", 48, 48, [] { return art::butterfly(48); }},
        {"butterfly-32.png", 32, 32, [] { return art::butterfly(32); }},
        {"butterfly-16.png", 16, 16, [] { return art::butterfly(16); }},
        {"window-icon-48.png", 48, 48, [] { return art::plainWindow(48); }},
        {"window-icon-32.png", 32, 32, [] { return art::plainWindow(32); }},
        {"window-icon-16.png", 16, 16, [] { return art::plainWindow(16); }},
    });
    return pictures;
}

const std::vector<Picture>& standardPictures() {
    static const std::vector<Picture> list = withIcons({
        {"setup-background.png", 640, 480, art::harbourWithTitle},
        {"practice-background.png", 640, 480, art::harbour},
        {"hint-background.png", 640, 480, art::harbourWithPanel},
        {"correct.png", 115, 115, art::leapingFishCorrect},
        {"try-again.png", 104, 121, art::sadGoldfishTryAgain},
    });
    return list;
}

const std::vector<Picture>& secondPictures() {
    static const std::vector<Picture> list = withIcons({
        {"background.png", 770, 454, art::roseFieldWithTulipBlocks},
        {"banner.png", 480, 118, art::titleBanner},
        {"correct.png", 173, 119, art::letteredCorrect},
        {"try-again.png", 239, 118, art::letteredTryAgain},
        {"hat-blue.png", 28, 30, [] { return art::strawHat(kBlue); }},
        {"girl-blue.png", 28, 30, [] { return art::girlInHat(kBlue); }},
        {"hat-red.png", 28, 30, [] { return art::strawHat(kRed); }},
        {"girl-red.png", 28, 30, [] { return art::girlInHat(kRed); }},
        {"hat-yellow.png", 28, 30, [] { return art::strawHat(kYellow); }},
        {"girl-yellow.png", 28, 30, [] { return art::girlInHat(kYellow); }},
        {"birdhouse-heart.png", 20, 28, art::purpleBirdhouseWithHeart},
        {"birdhouse-red-roof.png", 29, 28, art::redRoofBirdhouseWithFlowers},
        {"birdhouse-fence.png", 30, 30, art::tealBirdhouseWithFence},
        {"birdhouse-blue-roof.png", 29, 28, art::blueRoofBirdhouseWithFlowers},
        {"birdhouse-sunflower.png", 30, 30, art::redBirdhouseWithSunflower},
        {"bird.png", 20, 28, art::lightBlueBird},
        {"wreath-teal.png", 29, 37, [] { return art::wreathAroundBirdhouse(QColor(40, 170, 170)); }},
        {"wreath-purple.png", 29, 37, [] { return art::wreathAroundBirdhouse(QColor(150, 80, 200)); }},
        {"wreath-flowers.png", 29, 37, art::flowerWreath},
    });
    return list;
}

bool everyPixelOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) < 255) return false;
    return true;
}

bool drawAll(const std::vector<Picture>& pictures, const QDir& folder) {
    for (const Picture& picture : pictures) {
        const QImage image = picture.draw();
        const QString path = folder.filePath(picture.file);
        if (image.width() != picture.width || image.height() != picture.height) {
            std::fprintf(stderr, "draw_pictures: %s is %dx%d, not %dx%d\n", picture.file, image.width(),
                         image.height(), picture.width, picture.height);
            return false;
        }
        // Opaque pictures are stored without alpha; icons and option pictures keep theirs.
        const QImage stored =
            image.convertToFormat(everyPixelOpaque(image) ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        if (!stored.save(path, "PNG")) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need a GUI application, not a window
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_pictures standard|second FOLDER\n");
        return 2;
    }
    const QString build = QString::fromLocal8Bit(argv[1]);
    const std::vector<Picture>* pictures = build == "standard" ? &standardPictures()
                                           : build == "second" ? &secondPictures()
                                                               : nullptr;
    if (pictures == nullptr) {
        std::fprintf(stderr, "draw_pictures: unknown build %s\n", argv[1]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "draw_pictures: cannot make %s\n", argv[2]);
        return 1;
    }
    return drawAll(*pictures, folder) ? 0 : 1;
}
