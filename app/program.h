#pragma once

#include <QString>

class QApplication;

namespace mjcalc {

// The name desktops know the program by: its .desktop file, icon and metadata carry it.
inline constexpr char kDesktopId[] = "org.mjcalc.MJCalculator";

// "1.00": the version as players have always seen it written.
[[nodiscard]] QString programVersionText();

// Name, version and the sheets' font.
void describeApplication(QApplication& application);

// The red-dragon icon every window carries, the windows already open included.
void giveWindowsTheirIcon();

} // namespace mjcalc
