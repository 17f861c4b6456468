#pragma once

#include "fancounter/tiles.h"

#include <QPixmap>

#include <array>

namespace mjcalc {

// The thirty tile pictures: each tile selected (colour) and not selected (grey).
class TileImages {
public:
    // Sharp drawings for high-density screens come from the @2x images.
    explicit TileImages(qreal devicePixelRatio);

    [[nodiscard]] const QPixmap& image(TileFace face, bool selected) const;

private:
    std::array<QPixmap, 2 * kTileFaceCount> images_;
};

} // namespace mjcalc
