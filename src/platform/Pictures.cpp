#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QResource>
#include <QString>
#include <cstdint>

#include "platform/Dib.h"

namespace {

QHash<QString, QPixmap>& opened() {
    static QHash<QString, QPixmap> pixmaps;
    return pixmaps;
}

// Pixmaps must not outlive the application, so the cache empties when it ends.
void forgetPictures() { opened().clear(); }

QImage inPlace(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const auto* data = resource.data();
    const auto layout = dib::read(data, static_cast<size_t>(resource.size()));
    const uchar* pixels = data + (layout ? layout->pixelOffset : 0);
    if (!layout || reinterpret_cast<uintptr_t>(pixels) % 4 != 0)
        return {};
    // The resource lives as long as the program, and a const buffer is never written to.
    return QImage(pixels, layout->width, layout->height, qsizetype(layout->width) * 4,
                  layout->alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace

QPixmap picture(const char* path) {
    if (!path)
        return {};
    const QString name = QString::fromUtf8(path);
    QHash<QString, QPixmap>& pixmaps = opened();
    if (const auto found = pixmaps.constFind(name); found != pixmaps.cend())
        return *found;
    if (pixmaps.isEmpty())
        qAddPostRoutine(forgetPictures);
    const QImage image = inPlace(name);
    QPixmap pixmap = image.isNull() ? QPixmap(name) : QPixmap::fromImage(image);
    pixmaps.insert(name, pixmap);
    return pixmap;
}
