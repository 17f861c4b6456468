#pragma once

#include "calculator/pointsstate.h"
#include "fancounter/fanstate.h"

#include <QColor>

#include <optional>

namespace mjcalc {

// The main window's colours as the player chose them; empty means the standard colour.
struct SheetColours {
    std::optional<QColor> text;
    std::optional<QColor> background;
    // Both colour commands open on the colour last confirmed in either of them.
    QColor remembered = Qt::black;
};

// Everything that outlives a window, owned by the application for as long as it runs.
struct AppState {
    PointsState points;
    FanState fans;
    SheetColours colours;
};

} // namespace mjcalc
