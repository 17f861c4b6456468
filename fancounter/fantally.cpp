#include "fancounter/fantally.h"

namespace mjcalc {

namespace {

struct BoxFans {
    int box;
    std::int32_t fans;
};

// "All Terminals" (6) and "All Honors" (7) are maximum hands: announced, never counted.
constexpr BoxFans kBoxFans[] = {{1, 3}, {2, 1}, {3, 3}, {4, 6}, {10, 1}, {5, 1}, {8, 1}, {9, 1}};

// A bonus tile of one's own seat is a fan, and so is the full set of four.
std::int32_t bonusTileFans(const TileFlagSet& tiles, int (*bonusTile)(int))
{
    std::int32_t fans = 0;
    bool all = true;
    for (int number = 1; number <= 4; ++number) {
        const bool selected = tiles[bonusTile(number)];
        all = all && selected;
        if (selected && tiles[seatWindTile(number)])
            ++fans;
    }
    return all ? fans + 1 : fans;
}

bool anyBonusTile(const TileFlagSet& tiles)
{
    for (int number = 1; number <= 4; ++number) {
        if (tiles[flowerTile(number)] || tiles[seasonTile(number)])
            return true;
    }
    return false;
}

} // namespace

std::int32_t tallyFans(const FanBoard& board)
{
    const TileFlagSet& tiles = board.tiles;
    std::int32_t total = 0;

    if (!anyBonusTile(tiles) && !board.ticked[kNoFlowerTableBox])
        total += 1;
    else
        total += bonusTileFans(tiles, flowerTile) + bonusTileFans(tiles, seasonTile);

    for (int wind = 1; wind <= 4; ++wind) {
        if (!tiles[windPongTile(wind)])
            continue;
        total += tiles[seatWindTile(wind)] ? 1 : 0;
        total += tiles[prevailingWindTile(wind)] ? 1 : 0;
    }

    for (int dragon = 1; dragon <= 3; ++dragon)
        total += tiles[dragonPongTile(dragon)] ? 1 : 0;

    for (const BoxFans& box : kBoxFans) {
        if (board.ticked[box.box])
            total += box.fans;
    }
    return total;
}

} // namespace mjcalc
