#pragma once

#include <QRect>

#include <cstdint>
#include <iterator>
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

enum class ControlKind { Label, CheckBox, Button, TextBox, Line, Picture };

// What a control is to its window, beyond its kind.
enum class Role : std::uint8_t {
    Drawing,    // drawn, and nothing more: a line
    RowCaption, // a label that names the controls on its row
    Heading,    // a label over the rows below it, in bold
    Value,      // a label the window writes a figure into
    Entry,      // a box, a text box or a tile the player sets and the window reads
    Hint,       // a "?" button that explains its row
    Command,    // a button that does something
};

// What the window's commands do to a control, one bit each.
enum Trait : std::uint8_t {
    kNoTrait = 0,
    // Takes the text colour the player chose for the main window.
    kTakesTextColour = 1,
    // Takes the background colour the player chose for the main window.
    kTakesBackground = 2,
    // Emptied or unticked by the window's clear-all button ("Clear ALL", "CLEAR ALL").
    kClearedByClearAll = 4,
    // Unticked by "Clear all BUT table limit".
    kClearedByClearHand = 8,
};
inline constexpr std::uint8_t kBothColours = kTakesTextColour | kTakesBackground;

inline constexpr int kNoRule = -1;

// What a control is to its window: its role, what the window's commands do to it, and for a row
// caption the rule of the window's logic that the boxes on its row feed, by the rule's id.
struct Purpose {
    Role role = Role::Drawing;
    std::uint8_t traits = kNoTrait;
    int rule = kNoRule;

    [[nodiscard]] constexpr bool has(Trait trait) const { return (traits & trait) != 0; }
};

inline constexpr Purpose kDrawing{};
// Labels take both colours; a box takes the background only, as its text is its hidden name.
inline constexpr Purpose kCaption{Role::RowCaption, kBothColours};
inline constexpr Purpose kHeading{Role::Heading, kBothColours};
inline constexpr Purpose kValue{Role::Value, kBothColours};
// A box about the hand: every clear button unticks it, and it takes the main window's background.
inline constexpr Purpose kHandBox{Role::Entry,
                                  kTakesBackground | kClearedByClearAll | kClearedByClearHand};
inline constexpr Purpose kHint{Role::Hint};
inline constexpr Purpose kCommand{Role::Command};

// A row caption whose row feeds the rule.
template <typename RuleId>
[[nodiscard]] constexpr Purpose rowOf(RuleId rule, std::uint8_t traits = kBothColours)
{
    return {Role::RowCaption, traits, static_cast<int>(rule)};
}

// The first part of the names of a kind of control: "Check" in "Check38".
[[nodiscard]] constexpr const char* namePrefix(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
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
// Then what the control is: the window's rules are questions put to that last column.
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
    Purpose purpose;
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

[[nodiscard]] constexpr bool isControl(const ControlSpec& control, ControlKind kind, int number)
{
    return control.kind == kind && control.number == number;
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

// The label that names a control: the nearest row caption to its left on its line; none when
// there is none. Worked out by index, which the compiler can follow in a constant expression
// even in a build with the undefined-behaviour checks.
[[nodiscard]] constexpr const ControlSpec* rowLabel(std::span<const ControlSpec> table,
                                                    const ControlSpec& control)
{
    std::size_t nearest = table.size();
    for (std::size_t index = 0; index < table.size(); ++index) {
        const ControlSpec& entry = table[index];
        if (entry.purpose.role == Role::RowCaption && entry.top == control.top &&
            entry.left < control.left &&
            (nearest == table.size() || entry.left > table[nearest].left))
            nearest = index;
    }
    return nearest == table.size() ? nullptr : &table[nearest];
}

// The caption of the row a control stands on, or an empty text.
[[nodiscard]] constexpr const char* rowCaption(std::span<const ControlSpec> table,
                                               const ControlSpec& control)
{
    const ControlSpec* label = rowLabel(table, control);
    return label ? label->caption : "";
}

// The rule the row of a control feeds; kNoRule when its row feeds none.
[[nodiscard]] constexpr int rowRule(std::span<const ControlSpec> table, const ControlSpec& control)
{
    const ControlSpec* label = rowLabel(table, control);
    return label ? label->purpose.rule : kNoRule;
}

[[nodiscard]] constexpr bool sameText(const char* a, const char* b)
{
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

// Whether the row captions of a table and the rows of the logic behind it agree: each rule is
// named by exactly one row caption, in the rule's own words, and no caption names a rule the
// logic lacks.
template <typename LogicRows>
[[nodiscard]] constexpr bool captionsNameTheirRules(std::span<const ControlSpec> table,
                                                    const LogicRows& rows)
{
    for (const auto& row : rows) {
        int named = 0;
        for (const ControlSpec& entry : table) {
            if (entry.purpose.rule == static_cast<int>(row.id))
                named += sameText(entry.caption, row.words) ? 1 : 2;
        }
        if (named != 1)
            return false;
    }
    for (const ControlSpec& entry : table) {
        if (entry.purpose.rule < kNoRule || entry.purpose.rule >= static_cast<int>(std::size(rows)))
            return false;
    }
    return true;
}

} // namespace mjcalc
