#include "toolkit/pngimage.h"

#include <QImageReader>
#include <QPixmapCache>

namespace mjcalc {

QImage readPng(const QString& path)
{
    // Told the format and told not to guess, Qt decodes the picture with its own PNG reader,
    // rather than first asking every image plugin on the machine whether it reads the file.
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
