#pragma once

#include "calculator/scoring.h"

#include <QList>

namespace mjcalc::test {

// A hand sheet with these boxes ticked; the default limit is too high to matter.
inline HandSheet sheetWith(const QList<int>& ticked, int flowers = 0, int limit = 1'000'000)
{
    HandSheet sheet;
    for (int box : ticked)
        sheet.boxes[box] = BoxValue::Ticked;
    sheet.flowerCount = flowers;
    sheet.tableLimit = limit;
    return sheet;
}

} // namespace mjcalc::test
