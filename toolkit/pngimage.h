#pragma once

#include <QImage>
#include <QString>

namespace mjcalc {

// One of the program's own pictures, all of which are PNG; a null image when it cannot be read.
[[nodiscard]] QImage readPng(const QString& path);

} // namespace mjcalc
