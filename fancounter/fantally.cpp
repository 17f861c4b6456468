#include "fancounter/fantally.h"

#include "toolkit/numbertext.h"

namespace mjcalc {

namespace {

constexpr const char* kWinds[] = {"", "East", "South", "West", "North"};
constexpr const char* kDragons[] = {"", "White", "Red", "Green"};

// Adds up the fans and notes each one, so that the total always comes with its reasons.
class Tally {
public:
    void add(std::int32_t fans, QString text)
    {
        count_.total += fans;
        count_.items.push_back({std::move(text), fans});
    }
    FanCount take() { return std::move(count_); }

private:
    FanCount count_;
};

bool anyBonusTile(const TileFlagSet& tiles)
{
    for (int number = 1; number <= 4; ++number) {
        if (tiles[flowerTile(number)] || tiles[seasonTile(number)])
            return true;
    }
    return false;
}

// A flower or season of one's own seat is a fan, and so is the full set of four. One of another
// seat gives nothing, yet still costs the fan for having none at all.
void countBonusTiles(Tally& tally, const FanBoard& board, const char* kind, int (*bonusTile)(int))
{
    const TileFlagSet& tiles = board.tiles;
    bool all = true;
    for (int number = 1; number <= 4; ++number) {
        if (!tiles[bonusTile(number)]) {
            all = false;
            continue;
        }
        if (tiles[seatWindTile(number)])
            tally.add(1,
                      QStringLiteral("%1 %2, of your seat").arg(QLatin1String(kind)).arg(number));
        else if (board.has(FanRule::NoFlowerTable))
            tally.add(
                0, QStringLiteral("%1 %2, not of your seat").arg(QLatin1String(kind)).arg(number));
        else
            tally.add(0, QStringLiteral("%1 %2, not of your seat: it only takes away the "
                                        "no-flowers fan")
                             .arg(QLatin1String(kind))
                             .arg(number));
    }
    if (all)
        tally.add(1, QStringLiteral("All four %1s").arg(QLatin1String(kind).toString().toLower()));
}

} // namespace

FanCount tallyFans(const FanBoard& board)
{
    const TileFlagSet& tiles = board.tiles;
    Tally tally;

    if (!anyBonusTile(tiles) && !board.has(FanRule::NoFlowerTable)) {
        tally.add(1, QStringLiteral("No flowers or seasons"));
    } else {
        if (!anyBonusTile(tiles))
            tally.add(0, QStringLiteral("No flowers or seasons, but a NO FA table"));
        countBonusTiles(tally, board, "Flower", flowerTile);
        countBonusTiles(tally, board, "Season", seasonTile);
    }

    for (int wind = 1; wind <= 4; ++wind) {
        if (!tiles[windPongTile(wind)])
            continue;
        const QLatin1String name(kWinds[wind]);
        const bool seat = tiles[seatWindTile(wind)];
        const bool prevailing = tiles[prevailingWindTile(wind)];
        if (seat)
            tally.add(1, QStringLiteral("%1 wind pong, your seat wind").arg(name));
        if (prevailing)
            tally.add(1, QStringLiteral("%1 wind pong, the prevailing wind").arg(name));
        if (!seat && !prevailing)
            tally.add(0,
                      QStringLiteral("%1 wind pong, neither seat nor prevailing wind").arg(name));
    }

    for (int dragon = 1; dragon <= 3; ++dragon) {
        if (tiles[dragonPongTile(dragon)])
            tally.add(1, QStringLiteral("%1 dragon pong").arg(QLatin1String(kDragons[dragon])));
    }

    for (const FanRow& row : kFanRows) {
        if (row.kind == FanKind::Fans && board.has(row.id))
            tally.add(row.fans, QString::fromLatin1(row.words));
    }
    return tally.take();
}

Breakdown describeFans(const FanCount& count)
{
    Breakdown lines;
    for (const FanItem& item : count.items) {
        if (item.fans > 0)
            lines.append({item.text, QStringLiteral("+%1").arg(item.fans), {}});
        else
            lines.append({item.text, QStringLiteral("no fan"), {}, LineRole::Aside});
    }
    lines.append({QStringLiteral("Your FANS"), {}, numberToText(count.total), LineRole::Shown});
    return lines;
}

} // namespace mjcalc
