#pragma once

#include "calculator/pointsstate.h"
#include "fancounter/fanstate.h"
#include "toolkit/sheet.h"

namespace mjcalc {

// Everything that outlives a window, owned by the application for as long as it runs.
struct AppState {
    PointsState points;
    FanState fans;
    SheetColours colours;
};

} // namespace mjcalc
