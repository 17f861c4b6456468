#include "calculator/scoring.h"

#include "app/checkedint.h"

#include <algorithm>
#include <optional>

namespace mjcalc {

namespace {

enum class RuleKind { Add, Multiply, Limit, Flowers };

// One row of the sheet: each ticked box in firstBox..lastBox applies the rule once.
struct Rule {
    int firstBox;
    int lastBox;
    RuleKind kind;
    std::int32_t amount;
};

constexpr std::int32_t kBasePoints = 20;
constexpr std::int32_t kPointsPerFlower = 4;

// Additions, then the first doublings, then the limit hands, then the flowers, then the second
// doublings: they do not commute, so this order is the scoring itself.
constexpr Rule kRules[] = {
    {2, 5, RuleKind::Add, 2},        // open pong 2-8
    {6, 9, RuleKind::Add, 4},        // closed pong 2-8
    {10, 13, RuleKind::Add, 8},      // open kong 2-8
    {14, 17, RuleKind::Add, 16},     // closed kong 2-8
    {18, 21, RuleKind::Add, 4},      // open pong 1 or 9
    {22, 25, RuleKind::Add, 8},      // closed pong 1 or 9
    {26, 29, RuleKind::Add, 16},     // open kong 1 or 9
    {30, 33, RuleKind::Add, 32},     // closed kong 1 or 9
    {34, 37, RuleKind::Add, 4},      // open pong honor
    {38, 41, RuleKind::Add, 8},      // closed pong honor
    {42, 45, RuleKind::Add, 16},     // open kong honor
    {46, 49, RuleKind::Add, 32},     // closed kong honor
    {50, 50, RuleKind::Add, 2},      // pair of dragons/prev./seatwind
    {52, 52, RuleKind::Add, 2},      // self pick to MJ
    {53, 53, RuleKind::Add, 2},      // winning with a one chance tile
    {54, 54, RuleKind::Multiply, 2}, // all pongs
    {55, 55, RuleKind::Multiply, 2}, // worthless hand
    {56, 56, RuleKind::Multiply, 2}, // semi pure
    {57, 57, RuleKind::Multiply, 8}, // pure
    {58, 58, RuleKind::Multiply, 2}, // all terminals and honors
    {59, 59, RuleKind::Limit, 0},    // all terminals
    {60, 60, RuleKind::Limit, 0},    // all honors
    {0, 0, RuleKind::Flowers, kPointsPerFlower},
    {61, 62, RuleKind::Multiply, 2}, // FA from own seat
    {63, 64, RuleKind::Multiply, 8}, // FA kong
    {65, 67, RuleKind::Multiply, 2}, // closed pong/kong dragons
    {68, 69, RuleKind::Multiply, 2}, // closed pong/kong prev/seat wind
    {70, 70, RuleKind::Multiply, 2}, // MJ on a PONG of dragons/prev /seat wind
    {71, 71, RuleKind::Multiply, 2}, // going out on last tile
    {72, 72, RuleKind::Multiply, 2}, // going out on supplementary tile
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
    case RuleKind::Add:
        return checkedAdd(points, rule.amount);
    case RuleKind::Multiply:
        return checkedMul(points, rule.amount);
    case RuleKind::Limit:
        return tableLimit;
    case RuleKind::Flowers:
        break;
    }
    return points;
}

} // namespace

HandScore scoreHand(const HandSheet& sheet)
{
    HandScore score{kBasePoints, false, 0};
    for (const Rule& rule : kRules) {
        if (rule.kind == RuleKind::Flowers) {
            const auto next = applyFlowers(score.handPoints, rule.amount, sheet.flowerCount);
            if (!next)
                return {score.handPoints, true, 0};
            score.handPoints = *next;
            continue;
        }
        for (int box = rule.firstBox; box <= rule.lastBox; ++box) {
            if (!sheet.ticked(box))
                continue;
            const auto next = applyBox(rule, score.handPoints, sheet.tableLimit);
            if (!next)
                return {score.handPoints, true, box};
            score.handPoints = *next;
        }
    }
    return score;
}

std::int64_t payout(std::int32_t handPoints, std::int32_t tableLimit, bool east)
{
    const std::int64_t capped = std::min(handPoints, tableLimit);
    return capped * (east ? 6 : 4);
}

} // namespace mjcalc
