#pragma once

#include <array>

namespace mjcalc {

inline constexpr int kTileCount = 23;

// One flag per tile picture, indexed by picture number 1 to 23 (0 is unused): true when selected.
using TileFlagSet = std::array<bool, kTileCount + 1>;

enum class TileFace {
    East,
    South,
    West,
    North,
    Flower1,
    Flower2,
    Flower3,
    Flower4,
    Season1,
    Season2,
    Season3,
    Season4,
    WhiteDragon,
    RedDragon,
    GreenDragon,
};
inline constexpr int kTileFaceCount = 15;

enum class TileRow { PrevailingWind, SeatWind, WindPong, DragonPong, Flowers, Seasons };

// Picture numbers of the board's rows, by wind (1 East, 2 South, 3 West, 4 North) or by the
// number printed on a flower or season, which is the seat wind it belongs to.
constexpr int prevailingWindTile(int wind)
{
    return wind;
}
constexpr int seatWindTile(int wind)
{
    return 4 + wind;
}
constexpr int windPongTile(int wind)
{
    return 8 + wind;
}
constexpr int dragonPongTile(int dragon)
{
    return 12 + dragon;
} // 1 white, 2 red, 3 green
constexpr int flowerTile(int number)
{
    return 15 + number;
}
constexpr int seasonTile(int number)
{
    return 19 + number;
}

struct TileSpec {
    TileFace face;
    TileRow row;
    const char* spokenName; // for screen readers, without the selection state
};

// The tile shown by picture 1 to 23.
[[nodiscard]] const TileSpec& tileSpec(int picture);

// A click on a tile: it flips, and selecting a wind in the prevailing or seat row clears the
// other three winds of that row, since a player has one of each.
void clickTile(TileFlagSet& flags, int picture);

} // namespace mjcalc
