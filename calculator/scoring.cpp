#include "calculator/scoring.h"

#include "calculator/form1layout.h"
#include "toolkit/checkedint.h"

#include <array>
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

    // The row's caption, where the player reads it on the sheet: the explanation of a count speaks
    // of the rows in the sheet's own words. The flowers are counted on the row of the "+" button.
    [[nodiscard]] constexpr const char* row() const
    {
        return kind == StepKind::Flowers
                   ? rowCaption(form1Controls(), ControlKind::Button, kMoreFlowersButton)
                   : rowCaption(form1Controls(), ControlKind::CheckBox, firstBox);
    }
};

constexpr std::int32_t kPointsPerFlower = 4;

// Additions, then the first doublings, then the limit hands, then the flowers, then the second
// doublings: they do not commute, so this order is the scoring itself.
constexpr Rule kRules[] = {
    {2, 5, StepKind::Add, 2},
    {6, 9, StepKind::Add, 4},
    {10, 13, StepKind::Add, 8},
    {14, 17, StepKind::Add, 16},
    {18, 21, StepKind::Add, 4},
    {22, 25, StepKind::Add, 8},
    {26, 29, StepKind::Add, 16},
    {30, 33, StepKind::Add, 32},
    {34, 37, StepKind::Add, 4},
    {38, 41, StepKind::Add, 8},
    {42, 45, StepKind::Add, 16},
    {46, 49, StepKind::Add, 32},
    {50, 50, StepKind::Add, 2},
    {52, 52, StepKind::Add, 2},
    {53, 53, StepKind::Add, 2},
    {54, 54, StepKind::Multiply, 2},
    {55, 55, StepKind::Multiply, 2},
    {56, 56, StepKind::Multiply, 2},
    {57, 57, StepKind::Multiply, 8},
    {58, 58, StepKind::Multiply, 2},
    {59, 59, StepKind::Limit, 0},
    {60, 60, StepKind::Limit, 0},
    {0, 0, StepKind::Flowers, kPointsPerFlower},
    {61, 62, StepKind::Multiply, 2},
    {63, 64, StepKind::Multiply, 8},
    {65, 67, StepKind::Multiply, 2},
    {68, 69, StepKind::Multiply, 2},
    {70, 70, StepKind::Multiply, 2},
    {71, 71, StepKind::Multiply, 2},
    {72, 72, StepKind::Multiply, 2},
};

// Looked up once, when the program is built; a rule whose row is missing stops the build.
constexpr auto kRows = [] {
    std::array<const char*, std::size(kRules)> rows{};
    for (std::size_t rule = 0; rule < rows.size(); ++rule) {
        rows[rule] = kRules[rule].row();
        if (!*rows[rule])
            throw "a rule without its row on the sheet";
    }
    return rows;
}();

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

    for (std::size_t index = 0; index < std::size(kRules); ++index) {
        const Rule& rule = kRules[index];
        ScoreStep step{rule.kind, kRows[index], 0, rule.amount, 0, false};
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
