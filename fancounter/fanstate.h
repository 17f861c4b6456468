#pragma once

#include "fancounter/tiles.h"

#include <cstdint>

namespace mjcalc {

// The fan counter's state, which outlives its window.
struct FanState {
    std::int32_t FanTotal = 0;
    TileFlagSet TileFlags{};
};

} // namespace mjcalc
