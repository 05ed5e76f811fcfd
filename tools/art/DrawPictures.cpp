// Draws every picture and icon on one build's list (its Pictures.def) into a folder: what the
// program embeds as Qt resources and what the desktop installs.
#include "FishPictures.h"
#include "Harbour.h"
#include "Icons.h"
#include "LetterPictures.h"
#include "OptionPictures.h"
#include "RosePictures.h"

#include "designs/PictureList.h"
#include "platform/Dib.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <span>
#include <vector>

namespace {

using design::Ground;
using design::PictureUse;

struct Picture {
    const char* file;   // without extension
    int width, height;  // checked here so a drawing slip fails the build, not the program
    Ground ground;
    PictureUse use;
    QImage (*draw)();
};

#define PICTURE(name, file, width, height, ground, use, ...)    \
    {file, width, height, Ground::ground, PictureUse::use, [] { \
         using namespace art;                                   \
         return __VA_ARGS__;                                    \
     }},

const Picture kStandard[] = {
#include "designs/standard/Pictures.def"
};

const Picture kSecond[] = {
#include "designs/second/Pictures.def"
};

#undef PICTURE

bool everyPixelOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) < 255)
                return false;
    return true;
}

bool cannotWrite(const QString& path) {
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

bool savePng(const QImage& image, const QString& path) {
    return image.save(path, "PNG") || cannotWrite(path);
}

// RGB32 and ARGB32 rows are the bitmap's rows: blue, green, red and 255 or alpha, 4 bytes a pixel.
bool saveDib(const QImage& image, const QString& path) {
    const bool alpha = image.format() == QImage::Format_ARGB32;
    const std::vector<uint8_t> header = dib::header(image.width(), image.height(), alpha);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return cannotWrite(path);
    bool written = file.write(reinterpret_cast<const char*>(header.data()),
                              qint64(header.size())) == qint64(header.size());
    const qint64 row = qint64(image.width()) * 4;
    for (int y = 0; written && y < image.height(); ++y)
        written = file.write(reinterpret_cast<const char*>(image.constScanLine(y)), row) == row;
    return (written && file.flush()) || cannotWrite(path);
}

bool drawAll(std::span<const Picture> pictures, const QDir& folder) {
    for (const Picture& picture : pictures) {
        const QImage image = picture.draw();
        if (image.width() != picture.width || image.height() != picture.height) {
            std::fprintf(stderr, "draw_pictures: %s is %dx%d, not %dx%d\n", picture.file,
                         image.width(), image.height(), picture.width, picture.height);
            return false;
        }
        const bool opaque = everyPixelOpaque(image);
        if (opaque != (picture.ground == Ground::Opaque)) {
            std::fprintf(stderr, "draw_pictures: %s is listed as %s but drawn %s\n", picture.file,
                         opaque ? "clear" : "opaque", opaque ? "opaque" : "with clear pixels");
            return false;
        }
        // Opaque pictures are stored without alpha; icons and option pictures keep theirs.
        const QImage stored =
            image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        const QString file = QString::fromUtf8(picture.file);
        if (picture.use != PictureUse::Desktop &&
            !saveDib(stored,
                     folder.filePath(QString::fromUtf8(DESIGN_EMBEDDED_FILE("%1")).arg(file))))
            return false;
        if (picture.use != PictureUse::Program && !savePng(stored, folder.filePath(file + ".png")))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need a GUI application, not a window
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_pictures standard|second FOLDER\n");
        return 2;
    }
    const QString build = QString::fromLocal8Bit(argv[1]);
    std::span<const Picture> pictures;
    if (build == "standard")
        pictures = kStandard;
    else if (build == "second")
        pictures = kSecond;
    else {
        std::fprintf(stderr, "draw_pictures: unknown build %s\n", argv[1]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "draw_pictures: cannot make %s\n", argv[2]);
        return 1;
    }
    return drawAll(pictures, folder) ? 0 : 1;
}
