#pragma once

#include <QList>
#include <QString>

namespace mjcalc {

// What a line of an explanation stands for, which decides where each form of it puts the line.
enum class LineRole {
    Step,   // something that counted towards the total
    Aside,  // something looked at that counted nothing: explained, not summed up
    Result, // how the total was turned into a result
    Shown,  // a result the window also shows
};

// One line of an explanation of a total: what counted, what it did, and where that left the
// total. Any of the three may be empty.
struct BreakdownLine {
    QString item;
    QString change;
    QString total;
    LineRole role = LineRole::Step;

    friend bool operator==(const BreakdownLine&, const BreakdownLine&) = default;
};

using Breakdown = QList<BreakdownLine>;

// The lines as a small table for a tooltip, the figures right-aligned so they read as a sum and
// the shown results set off.
[[nodiscard]] QString toolTipTable(const Breakdown& lines);

// The lines as plain text to paste into a chat: the results together on the first line, then
// each step on a line of its own. No markup, and nothing that needs its columns lined up.
[[nodiscard]] QString plainText(const Breakdown& lines);

} // namespace mjcalc
