#include "calculator/handbreakdown.h"

#include "toolkit/numbertext.h"

#include <limits>

namespace mjcalc {

namespace {

const QString kTimes = QStringLiteral("\u00d7 ");

QString rowItem(const ScoreStep& step)
{
    const QString row = QString::fromLatin1(step.row).simplified();
    switch (step.kind) {
    case StepKind::Base:
        return QStringLiteral("Base");
    case StepKind::Add:
    case StepKind::Flowers:
        return step.count > 1 ? QStringLiteral("%1, %2 %3%4")
                                    .arg(row)
                                    .arg(step.count)
                                    .arg(kTimes)
                                    .arg(step.amount)
                              : row;
    case StepKind::Multiply:
        return step.count > 1 ? QStringLiteral("%1, %2 boxes").arg(row).arg(step.count) : row;
    case StepKind::Limit:
        return QStringLiteral("%1: limit hand").arg(row);
    }
    return row;
}

QString rowChange(const ScoreStep& step)
{
    switch (step.kind) {
    case StepKind::Base:
        break;
    case StepKind::Add:
    case StepKind::Flowers:
        return QStringLiteral("+%1").arg(std::int64_t{step.count} * step.amount);
    case StepKind::Multiply: {
        std::int64_t factor = 1;
        for (int box = 0; box < step.count; ++box)
            factor *= step.amount;
        return kTimes + QString::number(factor);
    }
    case StepKind::Limit:
        // The new points say it all: "= 500", then 500 as the points, would say it twice.
        break;
    }
    return {};
}

} // namespace

Breakdown describeHand(const HandScore& score, std::int32_t tableLimit, bool east)
{
    Breakdown lines;
    for (const ScoreStep& step : score.steps) {
        if (step.overflow) {
            lines.append({rowItem(step), rowChange(step), QStringLiteral("too large")});
            lines.append({QStringLiteral("The count stops here: the points would pass %1")
                              .arg(std::numeric_limits<std::int32_t>::max()),
                          {},
                          {},
                          LineRole::Shown});
            return lines;
        }
        lines.append({rowItem(step), rowChange(step), numberToText(step.points)});
    }
    lines.append({QStringLiteral("Your hand is worth"),
                  {},
                  numberToText(score.handPoints),
                  LineRole::Shown});
    const std::int64_t capped = cappedPoints(score.handPoints, tableLimit);
    if (capped != score.handPoints)
        lines.append({QStringLiteral("Capped at the table limit"),
                      {},
                      numberToText(capped),
                      LineRole::Result});
    const int factor = eastFactor(east);
    lines.append({east ? QStringLiteral("East") : QStringLiteral("Not East"),
                  kTimes + QString::number(factor),
                  {},
                  LineRole::Result});
    lines.append({QStringLiteral("V! Points"), {}, numberToText(capped * factor), LineRole::Shown});
    return lines;
}

} // namespace mjcalc
