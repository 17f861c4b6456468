#include "toolkit/pngimage.h"

#include <QImageReader>
#include <QPixmapCache>

namespace mjcalc {

QImage readPng(const QString& path)
{
    // Told the format and told not to guess, Qt decodes the picture with its own PNG reader. Left
    // to guess, it first asks every image plugin on the machine whether it reads PNG, which loads
    // them all, and a JPEG library with them, into a program that shows no other format.
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap cachedPng(const QString& path)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap::fromImage(readPng(path));
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

} // namespace mjcalc
