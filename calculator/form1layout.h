#pragma once

#include "toolkit/formlayout.h"

#include <span>

namespace mjcalc {

// The main window's client area, in twips.
inline constexpr int kForm1Width = 9120;
inline constexpr int kForm1Height = 7095;

[[nodiscard]] std::span<const ControlSpec> form1Controls();

} // namespace mjcalc
