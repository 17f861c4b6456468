#pragma once

#include <cstddef>

namespace mjcalc {

// The program's windows, by the names its menus and manual use.
enum class FormId { Form1, Form2, Form3, Form4, Form5, Form6, Form7 };
inline constexpr std::size_t kFormCount = 7;

} // namespace mjcalc
