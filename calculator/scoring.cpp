#include "calculator/scoring.h"

#include "toolkit/checkedint.h"

#include <optional>

namespace mjcalc {

namespace {

std::optional<std::int32_t> applyFlowers(std::int32_t points, std::int32_t perFlower,
                                         std::int32_t flowers)
{
    const std::optional<std::int32_t> flowerPoints = checkedMul(perFlower, flowers);
    if (!flowerPoints)
        return std::nullopt;
    return checkedAdd(points, *flowerPoints);
}

std::optional<std::int32_t> applyBox(const PointsRow& row, std::int32_t points,
                                     std::int32_t tableLimit)
{
    switch (row.kind) {
    case StepKind::Add:
        return checkedAdd(points, row.amount);
    case StepKind::Multiply:
        return checkedMul(points, row.amount);
    case StepKind::Limit:
        return tableLimit;
    case StepKind::Base:
    case StepKind::Flowers:
        break;
    }
    return points;
}

} // namespace

HandScore scoreHand(const HandSheet& sheet)
{
    HandScore score;
    score.handPoints = kBasePoints;
    score.steps.reserve(kPointsRuleCount + 1);
    score.steps.push_back({StepKind::Base, "", 0, kBasePoints, kBasePoints, false});

    for (const PointsRow& row : kPointsRows) {
        ScoreStep step{row.kind, row.words, 0, row.amount, 0, false};
        if (row.kind == StepKind::Flowers) {
            step.count = sheet.flowerCount;
            const auto next = applyFlowers(score.handPoints, row.amount, sheet.flowerCount);
            step.overflow = !next;
            score.handPoints = next.value_or(score.handPoints);
        } else {
            if (row.kind == StepKind::Limit)
                step.amount = sheet.tableLimit;
            const int ticked = sheet.ticked[static_cast<std::size_t>(row.id)];
            for (int box = 0; box < ticked; ++box) {
                const auto next = applyBox(row, score.handPoints, sheet.tableLimit);
                ++step.count;
                if (!next) {
                    step.overflow = true;
                    break;
                }
                score.handPoints = *next;
            }
        }
        step.points = score.handPoints;
        if (step.count > 0)
            score.steps.push_back(step);
        if (step.overflow) {
            score.overflow = true;
            return score;
        }
    }
    return score;
}

} // namespace mjcalc
