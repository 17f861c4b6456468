#pragma once

#include "fancounter/tiles.h"

#include <array>
#include <cstdint>

namespace mjcalc {

inline constexpr int kFanBoxCount = 11;
inline constexpr int kNoFlowerTableBox = 11; // "Im playing a NO FA table"

// The board as the tally reads it.
struct FanBoard {
    TileFlagSet tiles{};
    std::array<bool, kFanBoxCount + 1> ticked{}; // by box number 1 to 11; 0 unused
};

// The hand's fans, counted from nothing every time.
[[nodiscard]] std::int32_t tallyFans(const FanBoard& board);

} // namespace mjcalc
