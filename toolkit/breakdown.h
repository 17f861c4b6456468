#pragma once

#include <QList>
#include <QString>

namespace mjcalc {

// One line of an explanation of a total: what counted, what it did, and where that left the
// total. Any of the three may be empty.
struct BreakdownLine {
    QString item;
    QString change;
    QString total;
    bool emphasis = false; // a result the window also shows

    friend bool operator==(const BreakdownLine&, const BreakdownLine&) = default;
};

using Breakdown = QList<BreakdownLine>;

// The lines as a small table for a tooltip, the figures right-aligned so they read as a sum.
[[nodiscard]] QString toolTipTable(const Breakdown& lines);

} // namespace mjcalc
