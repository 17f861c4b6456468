#include "fancounter/tileimages.h"

#include "toolkit/pngimage.h"

namespace mjcalc {

namespace {

constexpr const char* kStems[kTileFaceCount] = {
    "east",    "south",   "west",    "north",   "flower1", "flower2", "flower3", "flower4",
    "season1", "season2", "season3", "season4", "white",   "red",     "green",
};

std::size_t slot(TileFace face, bool selected)
{
    return static_cast<std::size_t>(face) * 2 + (selected ? 1 : 0);
}

} // namespace

TileImages::TileImages(qreal devicePixelRatio)
{
    const bool dense = devicePixelRatio > 1.0;
    for (int face = 0; face < kTileFaceCount; ++face) {
        for (bool selected : {false, true}) {
            QPixmap& image = images_[slot(static_cast<TileFace>(face), selected)];
            image = cachedPng(
                QStringLiteral(":/tiles/%1-%2%3.png")
                    .arg(QLatin1String(kStems[face]),
                         selected ? QLatin1String("selected") : QLatin1String("unselected"),
                         dense ? QLatin1String("@2x") : QLatin1String()));
            if (dense)
                image.setDevicePixelRatio(2.0);
        }
    }
}

const QPixmap& TileImages::image(TileFace face, bool selected) const
{
    return images_[slot(face, selected)];
}

} // namespace mjcalc
