#pragma once

#include <QString>

class QApplication;

namespace mjcalc {

// Titles every message box that brings no title of its own.
inline constexpr char kProgramName[] = "MJ Calculator";

// "1.00": the version as players have always seen it written.
[[nodiscard]] QString programVersionText();

void describeApplication(QApplication& application);

} // namespace mjcalc
