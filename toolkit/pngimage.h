#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace mjcalc {

// One of the program's own pictures, all of which are PNG; a null image when it cannot be read.
[[nodiscard]] QImage readPng(const QString& path);

// The same as a pixmap, decoded once and then kept in Qt's pixmap cache for the next window that
// shows it.
[[nodiscard]] QPixmap cachedPng(const QString& path);

} // namespace mjcalc
