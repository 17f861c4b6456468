#pragma once

#include "toolkit/formlayout.h"

#include <span>

namespace mjcalc {

// The fan counter's client area, in twips.
inline constexpr int kForm3Width = 6630;
inline constexpr int kForm3Height = 5295;

[[nodiscard]] std::span<const ControlSpec> form3Controls();

} // namespace mjcalc
