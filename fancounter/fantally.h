#pragma once

#include "fancounter/tiles.h"
#include "toolkit/breakdown.h"
#include "toolkit/ruletable.h"

#include <QString>

#include <array>
#include <cstdint>
#include <iterator>
#include <vector>

namespace mjcalc {

// The fan counter's boxes, as the tally takes them.
enum class FanRule : std::uint8_t {
    AllPungs,
    AllChows,
    SemiPure,
    Pure,
    AllTerminals,
    AllHonors,
    LastTile,
    SelfPick,
    SupplementTile,
    RobbingKong,
    NoFlowerTable,
};

enum class FanKind : std::uint8_t {
    Fans,        // counted, the row's fans once
    MaximumHand, // beyond counting: announced when ticked, never counted
    Table,       // says how the table plays, which changes what other things count
};

// One box of the board: its words, as the board writes them, and what it is worth.
struct FanRow {
    FanRule id;
    const char* words;
    FanKind kind;
    std::int32_t fans = 0;
};

// In the order the tally counts them, after the tiles.
inline constexpr FanRow kFanRows[] = {
    {FanRule::AllPungs, "All Pungs", FanKind::Fans, 3},
    {FanRule::AllChows, "All Chows", FanKind::Fans, 1},
    {FanRule::SemiPure, "Semi Pure", FanKind::Fans, 3},
    {FanRule::Pure, "Pure", FanKind::Fans, 6},
    {FanRule::AllTerminals, "All Terminals", FanKind::MaximumHand},
    {FanRule::AllHonors, "All Honors", FanKind::MaximumHand},
    {FanRule::LastTile, "Last tile", FanKind::Fans, 1},
    {FanRule::SelfPick, "Self Pick", FanKind::Fans, 1},
    {FanRule::SupplementTile, "MJ on Suplement tile", FanKind::Fans, 1},
    {FanRule::RobbingKong, "MJ on robbing kong", FanKind::Fans, 1},
    {FanRule::NoFlowerTable, "Im playing a NO FA table", FanKind::Table},
};
inline constexpr std::size_t kFanRuleCount = std::size(kFanRows);
static_assert(rowsInIdOrder(kFanRows));

[[nodiscard]] constexpr const FanRow& fanRow(FanRule rule)
{
    return kFanRows[static_cast<std::size_t>(rule)];
}

// The board as the tally reads it.
struct FanBoard {
    TileFlagSet tiles{};
    std::array<bool, kFanRuleCount> ticked{}; // by rule

    [[nodiscard]] bool has(FanRule rule) const { return ticked[static_cast<std::size_t>(rule)]; }
    void tick(FanRule rule) { ticked[static_cast<std::size_t>(rule)] = true; }
};

// One thing the tally looked at: a fan it counted, or (with 0 fans) a reason it counted none.
struct FanItem {
    QString text;
    std::int32_t fans = 0;
};

struct FanCount {
    std::int32_t total = 0;
    std::vector<FanItem> items; // in the order the tally counted them
};

// The hand's fans, counted from nothing every time.
[[nodiscard]] FanCount tallyFans(const FanBoard& board);

// Each fan the tally counted, and each tile it looked at without counting, then the total.
[[nodiscard]] Breakdown describeFans(const FanCount& count);

} // namespace mjcalc
