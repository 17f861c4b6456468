#pragma once

#include "toolkit/ruletable.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <vector>

namespace mjcalc {

// Box values as the hand sheet holds them. Only Ticked scores; a greyed box is not ticked.
enum class BoxValue : std::uint8_t { Clear = 0, Ticked = 1, Greyed = 2 };

inline constexpr int kMaxFlowers = 8;
inline constexpr std::int32_t kBasePoints = 20; // every hand starts from these

enum class StepKind { Base, Add, Multiply, Limit, Flowers };

// The rows of the hand sheet that score, in the order they are counted: additions, then the first
// doublings, then the limit hands, then the flowers, then the second doublings. They do not
// commute, so this order is the scoring itself.
enum class PointsRule : std::uint8_t {
    OpenPong,
    ClosedPong,
    OpenKong,
    ClosedKong,
    OpenPongTerminal,
    ClosedPongTerminal,
    OpenKongTerminal,
    ClosedKongTerminal,
    OpenPongHonor,
    ClosedPongHonor,
    OpenKongHonor,
    ClosedKongHonor,
    PairOfDragonsOrWinds,
    SelfPick,
    OneChanceTile,
    AllPongs,
    WorthlessHand,
    SemiPure,
    Pure,
    TerminalsAndHonors,
    AllTerminals,
    AllHonors,
    Flowers,
    FaFromOwnSeat,
    FaKong,
    ClosedDragons,
    ClosedWinds,
    OutOnAPong,
    OutOnLastTile,
    OutOnSupplement,
};

// One scoring row: its words, as the sheet writes them, and what each ticked box on it does.
struct PointsRow {
    PointsRule id;
    const char* words;
    StepKind kind;
    std::int32_t amount; // points added per box, the factor per box; per flower for the flowers
};

inline constexpr PointsRow kPointsRows[] = {
    {PointsRule::OpenPong, "open pong 2-8", StepKind::Add, 2},
    {PointsRule::ClosedPong, "closed pong 2-8", StepKind::Add, 4},
    {PointsRule::OpenKong, "open kong 2-8", StepKind::Add, 8},
    {PointsRule::ClosedKong, "closed kong 2-8", StepKind::Add, 16},
    {PointsRule::OpenPongTerminal, "open pong 1 or 9", StepKind::Add, 4},
    {PointsRule::ClosedPongTerminal, "closed pong 1 or 9", StepKind::Add, 8},
    {PointsRule::OpenKongTerminal, "open kong  1 or 9", StepKind::Add, 16},
    {PointsRule::ClosedKongTerminal, "closed kong 1 or 9", StepKind::Add, 32},
    {PointsRule::OpenPongHonor, "open pong honor", StepKind::Add, 4},
    {PointsRule::ClosedPongHonor, "closed pong honor", StepKind::Add, 8},
    {PointsRule::OpenKongHonor, "open kong honor", StepKind::Add, 16},
    {PointsRule::ClosedKongHonor, "closed kong honor", StepKind::Add, 32},
    {PointsRule::PairOfDragonsOrWinds, "pair of dragons/prev./seatwind", StepKind::Add, 2},
    {PointsRule::SelfPick, "self pick to MJ", StepKind::Add, 2},
    {PointsRule::OneChanceTile, "winning with a one chance tile", StepKind::Add, 2},
    {PointsRule::AllPongs, "all pongs", StepKind::Multiply, 2},
    {PointsRule::WorthlessHand, "worthless hand", StepKind::Multiply, 2},
    {PointsRule::SemiPure, "semi pure", StepKind::Multiply, 2},
    {PointsRule::Pure, "pure", StepKind::Multiply, 8},
    {PointsRule::TerminalsAndHonors, "all terminals and honors", StepKind::Multiply, 2},
    {PointsRule::AllTerminals, "all terminals", StepKind::Limit, 0},
    {PointsRule::AllHonors, "all honors", StepKind::Limit, 0},
    {PointsRule::Flowers, "flowers and seasons", StepKind::Flowers, 4},
    {PointsRule::FaFromOwnSeat, "FA from own seat", StepKind::Multiply, 2},
    {PointsRule::FaKong, "FA kong", StepKind::Multiply, 8},
    {PointsRule::ClosedDragons, "closed pong/kong dragons", StepKind::Multiply, 2},
    {PointsRule::ClosedWinds, "Closed pong/kong prev/seat wind", StepKind::Multiply, 2},
    {PointsRule::OutOnAPong, "MJ on a PONG of dragons/prev /seat wind", StepKind::Multiply, 2},
    {PointsRule::OutOnLastTile, "Going out on last tile", StepKind::Multiply, 2},
    {PointsRule::OutOnSupplement, "Going out on supplementary tile", StepKind::Multiply, 2},
};
inline constexpr std::size_t kPointsRuleCount = std::size(kPointsRows);

static_assert(rowsInIdOrder(kPointsRows));

// Everything the points depend on, read from the sheet in one go: how many boxes of each row
// are ticked, the flowers and the limit.
struct HandSheet {
    std::array<int, kPointsRuleCount> ticked{}; // by rule; the flowers count in flowerCount
    std::int32_t flowerCount = 0;
    std::int32_t tableLimit = 0;

    void tick(PointsRule rule) { ++ticked.at(static_cast<std::size_t>(rule)); }
};

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
    // On overflow the count stops at the box that would have left the 32-bit range: handPoints
    // is the value before it, and the last step is its row.
    bool overflow = false;
    // How the points were built, row by row, recorded by the same pass that counted them.
    std::vector<ScoreStep> steps;
};

// The hand's points before the cap and the East factor: 20, then every row in turn.
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
