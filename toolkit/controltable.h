#pragma once

#include <QRect>

#include <span>

namespace mjcalc {

// Forms are drawn in twips, 1/1440 inch; at 96 dots per inch that is 15 to a pixel.
[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}
[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

enum class ControlKind { Label, BoldLabel, CheckBox, Button, TextBox, Line, Picture };

// The first part of the names of a kind of control: "Check" in "Check38".
[[nodiscard]] constexpr const char* namePrefix(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::BoldLabel:
        return "Label";
    case ControlKind::CheckBox:
        return "Check";
    case ControlKind::Button:
        return "Command";
    case ControlKind::TextBox:
        return "Text";
    case ControlKind::Line:
        return "Line";
    case ControlKind::Picture:
        return "Picture";
    }
    return "";
}

// One control of a form, as the form's drawing gives it: its kind, its number among the controls
// of that kind (38 for Check38), which the program goes by, and its name, which the player's
// manual and the screen go by. A check box's caption is its own name, which its small size hides,
// so only the box shows. For a Line the four numbers are the two end points, x1, y1, x2, y2.
struct ControlSpec {
    ControlKind kind;
    int number;
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex = 0; // 1 first; 0 for controls that take no focus
};

// Whether every name in a table is its kind's prefix followed by its number, so that a control
// renamed in one place but not the other stops the build.
[[nodiscard]] constexpr bool namesFollowNumbers(std::span<const ControlSpec> table)
{
    for (const ControlSpec& control : table) {
        const char* name = control.name;
        for (const char* prefix = namePrefix(control.kind); *prefix; ++prefix, ++name) {
            if (*name != *prefix)
                return false;
        }
        int number = 0;
        for (; *name >= '0' && *name <= '9'; ++name)
            number = number * 10 + (*name - '0');
        if (*name != '\0' || number != control.number)
            return false;
    }
    return true;
}

// Whether a table is drawn in whole pixels at 96 dots per inch, every place and size a multiple of
// 15 twips, and numbers its tab stops 1, 2, 3 ... without a gap or a repeat.
[[nodiscard]] constexpr bool wholePixelsAndCountedTabs(std::span<const ControlSpec> table)
{
    int stops = 0;
    for (const ControlSpec& control : table) {
        if (control.left % 15 || control.top % 15 || control.width % 15 || control.height % 15)
            return false;
        stops += control.tabIndex > 0;
    }
    for (int stop = 1; stop <= stops; ++stop) {
        int found = 0;
        for (const ControlSpec& control : table)
            found += control.tabIndex == stop;
        if (found != 1)
            return false;
    }
    return true;
}

[[nodiscard]] constexpr bool isLabel(const ControlSpec& control)
{
    return control.kind == ControlKind::Label || control.kind == ControlKind::BoldLabel;
}

[[nodiscard]] constexpr bool isControl(const ControlSpec& control, ControlKind kind, int number)
{
    const bool sameKind = control.kind == kind || (isLabel(control) && kind == ControlKind::Label);
    return sameKind && control.number == number;
}

// The control of that kind and number; none when the table has no such control.
[[nodiscard]] constexpr const ControlSpec* findControl(std::span<const ControlSpec> table,
                                                       ControlKind kind, int number)
{
    for (const ControlSpec& control : table) {
        if (isControl(control, kind, number))
            return &control;
    }
    return nullptr;
}

// The caption of the label that names a control, the nearest one with a caption to its left on
// its line; an empty text when there is none. Worked out without pointers to the table's entries,
// which a build with the undefined-behaviour checks cannot follow when the program is compiled.
[[nodiscard]] constexpr const char* rowCaption(std::span<const ControlSpec> table,
                                               const ControlSpec& control)
{
    const char* caption = "";
    int nearestLeft = -1;
    for (const ControlSpec& entry : table) {
        if (isLabel(entry) && entry.top == control.top && entry.left < control.left &&
            entry.left > nearestLeft && entry.caption && *entry.caption) {
            caption = entry.caption;
            nearestLeft = entry.left;
        }
    }
    return caption;
}

// The caption of the row the control of that kind and number stands on, or an empty text.
[[nodiscard]] constexpr const char* rowCaption(std::span<const ControlSpec> table, ControlKind kind,
                                               int number)
{
    for (const ControlSpec& control : table) {
        if (isControl(control, kind, number))
            return rowCaption(table, control);
    }
    return "";
}

} // namespace mjcalc
