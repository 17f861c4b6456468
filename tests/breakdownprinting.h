#pragma once

#include "toolkit/breakdown.h"

#include <QTest>

namespace mjcalc {

// What a failing comparison of explanations prints of a line: its three texts and its role.
inline char* toString(const BreakdownLine& line)
{
    return QTest::toString(QStringLiteral("%1 | %2 | %3 | role %4")
                               .arg(line.item, line.change, line.total)
                               .arg(int(line.role)));
}

} // namespace mjcalc
