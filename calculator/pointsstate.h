#pragma once

#include <cstdint>

namespace mjcalc {

// The points calculator's counters. They belong to the application, not to the window, so they
// keep their values for as long as the program runs.
struct PointsState {
    std::int32_t HandPoints = 0;
    std::int32_t TableLimit = 0; // 0: no limit entered yet
    std::int32_t FlowerCount = 0;
};

} // namespace mjcalc
