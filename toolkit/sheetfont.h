#pragma once

#include "toolkit/formlayout.h"

#include <QFont>

#include <initializer_list>
#include <span>

namespace mjcalc {

// The font of the windows whose controls stand at fixed places: the family whose widths the
// layouts were drawn for, at 11 pixels. Where it is missing, a family of the same widths, and
// failing that the desktop's sans serif at the largest size, 11 pixels at most, at which every
// caption of the given layouts fits its box.
[[nodiscard]] QFont chooseSheetFont(std::initializer_list<std::span<const ControlSpec>> layouts);

// Makes the sheets' font the program's font, except in the dialogs, menus and tool tips that
// Qt builds, which keep the desktop's font as they do in every other program.
void useSheetFont(const QFont& sheetFont);

// The font of a bold caption on a sheet in the given font.
[[nodiscard]] QFont boldSheetFont(const QFont& sheetFont);

} // namespace mjcalc
