#include "fancounter/tiles.h"

namespace mjcalc {

namespace {

constexpr TileSpec kTiles[kTileCount + 1] = {
    {TileFace::East, TileRow::PrevailingWind, ""}, // picture numbers start at 1
    {TileFace::East, TileRow::PrevailingWind, "Prevailing wind East"},
    {TileFace::South, TileRow::PrevailingWind, "Prevailing wind South"},
    {TileFace::West, TileRow::PrevailingWind, "Prevailing wind West"},
    {TileFace::North, TileRow::PrevailingWind, "Prevailing wind North"},
    {TileFace::East, TileRow::SeatWind, "Seat wind East"},
    {TileFace::South, TileRow::SeatWind, "Seat wind South"},
    {TileFace::West, TileRow::SeatWind, "Seat wind West"},
    {TileFace::North, TileRow::SeatWind, "Seat wind North"},
    {TileFace::East, TileRow::WindPong, "Pong or kong of East wind"},
    {TileFace::South, TileRow::WindPong, "Pong or kong of South wind"},
    {TileFace::West, TileRow::WindPong, "Pong or kong of West wind"},
    {TileFace::North, TileRow::WindPong, "Pong or kong of North wind"},
    {TileFace::WhiteDragon, TileRow::DragonPong, "Pong or kong of white dragons"},
    {TileFace::RedDragon, TileRow::DragonPong, "Pong or kong of red dragons"},
    {TileFace::GreenDragon, TileRow::DragonPong, "Pong or kong of green dragons"},
    {TileFace::Flower1, TileRow::Flowers, "Flower 1, plum blossom"},
    {TileFace::Flower2, TileRow::Flowers, "Flower 2, orchid"},
    {TileFace::Flower3, TileRow::Flowers, "Flower 3, chrysanthemum"},
    {TileFace::Flower4, TileRow::Flowers, "Flower 4, bamboo"},
    {TileFace::Season1, TileRow::Seasons, "Season 1, spring"},
    {TileFace::Season2, TileRow::Seasons, "Season 2, summer"},
    {TileFace::Season3, TileRow::Seasons, "Season 3, autumn"},
    {TileFace::Season4, TileRow::Seasons, "Season 4, winter"},
};

constexpr int kWindsPerRow = 4;

} // namespace

const TileSpec& tileSpec(int picture)
{
    return kTiles[picture];
}

void clickTile(TileFlagSet& flags, int picture)
{
    const TileRow row = tileSpec(picture).row;
    const bool exclusive = row == TileRow::PrevailingWind || row == TileRow::SeatWind;
    if (exclusive && !flags[picture]) {
        const int first = row == TileRow::PrevailingWind ? 1 : 1 + kWindsPerRow;
        for (int partner = first; partner < first + kWindsPerRow; ++partner)
            flags[partner] = false;
    }
    flags[picture] = !flags[picture];
}

} // namespace mjcalc
