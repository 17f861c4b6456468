#pragma once

#include "fancounter/tiles.h"
#include "toolkit/breakdown.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace mjcalc {

inline constexpr int kFanBoxCount = 11;
inline constexpr int kNoFlowerTableBox = 11; // "Im playing a NO FA table"

// The board as the tally reads it.
struct FanBoard {
    TileFlagSet tiles{};
    std::array<bool, kFanBoxCount + 1> ticked{}; // by box number 1 to 11; 0 unused
};

// One thing the tally looked at: a fan it counted, or (with 0 fans) a reason it counted none.
struct FanItem {
    QString text;
    std::int32_t fans = 0;
};

struct FanCount {
    std::int32_t total = 0;
    std::vector<FanItem> items; // in the order the tally counted them
};

// The hand's fans, counted from nothing every time.
[[nodiscard]] FanCount tallyFans(const FanBoard& board);

// Each fan the tally counted, and each tile it looked at without counting, then the total.
[[nodiscard]] Breakdown describeFans(const FanCount& count);

} // namespace mjcalc
