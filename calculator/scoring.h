#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace mjcalc {

// Box values as the hand sheet holds them. Only Ticked scores; a greyed box is not ticked.
enum class BoxValue : std::uint8_t { Clear = 0, Ticked = 1, Greyed = 2 };

inline constexpr int kEastBox = 1;
inline constexpr int kHighestBox = 72;
inline constexpr int kMissingBox = 51; // the sheet has no box with this number
inline constexpr int kMaxFlowers = 8;
inline constexpr std::int32_t kBasePoints = 20; // every hand starts from these

// Everything the points depend on, read from the sheet in one go.
struct HandSheet {
    std::array<BoxValue, kHighestBox + 1> boxes{}; // indexed by box number; 0 and 51 unused
    std::int32_t flowerCount = 0;
    std::int32_t tableLimit = 0;

    [[nodiscard]] bool ticked(int box) const { return boxes.at(box) == BoxValue::Ticked; }
};

enum class StepKind { Base, Add, Multiply, Limit, Flowers };

// One row of the sheet as it counted: how many of its boxes were ticked (for the flowers, how
// many tiles), what each one did, and the points after the row.
struct ScoreStep {
    StepKind kind = StepKind::Base;
    const char* row = "";
    int count = 0;
    std::int32_t amount = 0; // points added per box, the factor per box, or the limit
    std::int32_t points = 0; // after the row; on overflow, before the failing box
    bool overflow = false;   // the count stopped in this row
};

struct HandScore {
    std::int32_t handPoints = 0;
    // On overflow the count stops at the rule that would have left the 32-bit range:
    // handPoints is the value before it and stoppedAtBox names it (0 for the flower rule).
    bool overflow = false;
    int stoppedAtBox = 0;
    // How the points were built, row by row, recorded by the same pass that counted them.
    std::vector<ScoreStep> steps;
};

// The hand's points before the cap and the East factor: 20, then every rule in box order.
[[nodiscard]] HandScore scoreHand(const HandSheet& sheet);

// The points the table pays on: the hand's points, but never more than the limit.
[[nodiscard]] constexpr std::int64_t cappedPoints(std::int32_t handPoints, std::int32_t tableLimit)
{
    return handPoints > tableLimit ? tableLimit : handPoints;
}

// East pays and is paid double, so East's payout is six times the points, anyone else's four.
[[nodiscard]] constexpr int eastFactor(bool east)
{
    return east ? 6 : 4;
}

} // namespace mjcalc
