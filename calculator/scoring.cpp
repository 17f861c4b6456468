#include "calculator/scoring.h"

#include "toolkit/checkedint.h"

#include <iterator>
#include <optional>

namespace mjcalc {

namespace {

// One row of the sheet: each ticked box in firstBox..lastBox applies the rule once.
struct Rule {
    int firstBox;
    int lastBox;
    StepKind kind;
    std::int32_t amount;
    const char* row; // the row's caption on the sheet
};

constexpr std::int32_t kPointsPerFlower = 4;

// Additions, then the first doublings, then the limit hands, then the flowers, then the second
// doublings: they do not commute, so this order is the scoring itself.
constexpr Rule kRules[] = {
    {2, 5, StepKind::Add, 2, "open pong 2-8"},
    {6, 9, StepKind::Add, 4, "closed pong 2-8"},
    {10, 13, StepKind::Add, 8, "open kong 2-8"},
    {14, 17, StepKind::Add, 16, "closed kong 2-8"},
    {18, 21, StepKind::Add, 4, "open pong 1 or 9"},
    {22, 25, StepKind::Add, 8, "closed pong 1 or 9"},
    {26, 29, StepKind::Add, 16, "open kong  1 or 9"},
    {30, 33, StepKind::Add, 32, "closed kong 1 or 9"},
    {34, 37, StepKind::Add, 4, "open pong honor"},
    {38, 41, StepKind::Add, 8, "closed pong honor"},
    {42, 45, StepKind::Add, 16, "open kong honor"},
    {46, 49, StepKind::Add, 32, "closed kong honor"},
    {50, 50, StepKind::Add, 2, "pair of dragons/prev./seatwind"},
    {52, 52, StepKind::Add, 2, "self pick to MJ"},
    {53, 53, StepKind::Add, 2, "winning with a one chance tile"},
    {54, 54, StepKind::Multiply, 2, "all pongs"},
    {55, 55, StepKind::Multiply, 2, "worthless hand"},
    {56, 56, StepKind::Multiply, 2, "semi pure"},
    {57, 57, StepKind::Multiply, 8, "pure"},
    {58, 58, StepKind::Multiply, 2, "all terminals and honors"},
    {59, 59, StepKind::Limit, 0, "all terminals"},
    {60, 60, StepKind::Limit, 0, "all honors"},
    {0, 0, StepKind::Flowers, kPointsPerFlower, "flowers and seasons"},
    {61, 62, StepKind::Multiply, 2, "FA from own seat"},
    {63, 64, StepKind::Multiply, 8, "FA kong"},
    {65, 67, StepKind::Multiply, 2, "closed pong/kong dragons"},
    {68, 69, StepKind::Multiply, 2, "Closed pong/kong prev/seat wind"},
    {70, 70, StepKind::Multiply, 2, "MJ on a PONG of dragons/prev /seat wind"},
    {71, 71, StepKind::Multiply, 2, "Going out on last tile"},
    {72, 72, StepKind::Multiply, 2, "Going out on supplementary tile"},
};

std::optional<std::int32_t> applyFlowers(std::int32_t points, std::int32_t perFlower,
                                         std::int32_t flowers)
{
    const std::optional<std::int32_t> flowerPoints = checkedMul(perFlower, flowers);
    if (!flowerPoints)
        return std::nullopt;
    return checkedAdd(points, *flowerPoints);
}

std::optional<std::int32_t> applyBox(const Rule& rule, std::int32_t points, std::int32_t tableLimit)
{
    switch (rule.kind) {
    case StepKind::Add:
        return checkedAdd(points, rule.amount);
    case StepKind::Multiply:
        return checkedMul(points, rule.amount);
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
    score.steps.reserve(std::size(kRules) + 1);
    score.steps.push_back({StepKind::Base, "", 0, kBasePoints, kBasePoints, false});

    for (const Rule& rule : kRules) {
        ScoreStep step{rule.kind, rule.row, 0, rule.amount, 0, false};
        if (rule.kind == StepKind::Flowers) {
            step.count = sheet.flowerCount;
            const auto next = applyFlowers(score.handPoints, rule.amount, sheet.flowerCount);
            step.overflow = !next;
            score.handPoints = next.value_or(score.handPoints);
        } else {
            if (rule.kind == StepKind::Limit)
                step.amount = sheet.tableLimit;
            for (int box = rule.firstBox; box <= rule.lastBox; ++box) {
                if (!sheet.ticked(box))
                    continue;
                ++step.count;
                const auto next = applyBox(rule, score.handPoints, sheet.tableLimit);
                if (!next) {
                    step.overflow = true;
                    score.stoppedAtBox = box;
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
