#include "fancounter/fantally.h"
#include "fancounter/tiles.h"

#include <QList>
#include <QTest>

using namespace mjcalc;

namespace {

constexpr int (*prevailing)(int) = prevailingWindTile;
constexpr int (*seat)(int) = seatWindTile;
constexpr int (*windPong)(int) = windPongTile;
constexpr int (*flower)(int) = flowerTile;
constexpr int (*season)(int) = seasonTile;
constexpr int kWhite = dragonPongTile(1), kRed = dragonPongTile(2), kGreen = dragonPongTile(3);
constexpr int kEast = 1, kSouth = 2, kWest = 3, kNorth = 4;

FanBoard board(const QList<int>& tiles, const QList<int>& boxes = {})
{
    FanBoard board;
    for (int tile : tiles)
        board.tiles[tile] = true;
    for (int box : boxes)
        board.ticked[box] = true;
    return board;
}

QList<int> selected(const TileFlagSet& flags)
{
    QList<int> tiles;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (flags[tile])
            tiles << tile;
    }
    return tiles;
}

} // namespace

class TestFanTally : public QObject {
    Q_OBJECT

private slots:
    void fans_data();
    void fans();
    void clicks_data();
    void clicks();
};

void TestFanTally::fans_data()
{
    QTest::addColumn<QList<int>>("tiles");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<int>("fans");
    const QList<int> allFlowers{flower(1), flower(2), flower(3), flower(4)};
    const QList<int> allSeasons{season(1), season(2), season(3), season(4)};
    const QList<int> allCountingBoxes{1, 2, 3, 4, 5, 8, 9, 10};

    QTest::newRow("nothing: the no-flowers fan") << QList<int>{} << QList<int>{} << 1;
    QTest::newRow("no-flowers table") << QList<int>{} << QList<int>{11} << 0;
    QTest::newRow("flower without a seat wind") << QList<int>{flower(1)} << QList<int>{} << 0;
    QTest::newRow("own flower") << QList<int>{seat(kSouth), flower(2)} << QList<int>{} << 1;
    QTest::newRow("own flower and season")
        << QList<int>{seat(kSouth), flower(2), season(2)} << QList<int>{} << 2;
    QTest::newRow("someone else's season adds nothing")
        << QList<int>{seat(kSouth), flower(2), season(2), season(3)} << QList<int>{} << 2;
    QTest::newRow("own flower on a no-flowers table")
        << QList<int>{seat(kEast), flower(1)} << QList<int>{11} << 1;
    QTest::newRow("all flowers and seasons, seat North")
        << (QList<int>{seat(kNorth)} + allFlowers + allSeasons) << QList<int>{} << 4;
    QTest::newRow("all flowers, no seat wind") << allFlowers << QList<int>{} << 1;
    QTest::newRow("wind pong of seat and prevailing wind")
        << QList<int>{seat(kEast), prevailing(kEast), windPong(kEast)} << QList<int>{} << 3;
    QTest::newRow("two wind pongs, one seat one prevailing")
        << QList<int>{seat(kEast), prevailing(kSouth), windPong(kEast), windPong(kSouth)}
        << QList<int>{} << 3;
    QTest::newRow("wind pong of nobody's wind")
        << QList<int>{seat(kEast), prevailing(kEast), windPong(kWest)} << QList<int>{} << 1;
    QTest::newRow("seat and prevailing without the pong")
        << QList<int>{seat(kNorth), prevailing(kNorth)} << QList<int>{} << 1;
    QTest::newRow("three dragon pongs") << QList<int>{kWhite, kRed, kGreen} << QList<int>{} << 4;
    QTest::newRow("every counting box") << QList<int>{} << allCountingBoxes << 18;
    QTest::newRow("maximum hands are not counted") << QList<int>{} << QList<int>{6, 7} << 1;
    QTest::newRow("semi pure and pure together") << QList<int>{} << QList<int>{3, 4} << 10;
    QTest::newRow("all pungs and all chows together") << QList<int>{} << QList<int>{1, 2} << 5;
    QTest::newRow("the largest total")
        << (QList<int>{seat(kWest), prevailing(kWest), windPong(kWest), kWhite, kRed, kGreen} +
            allFlowers + allSeasons)
        << allCountingBoxes << 26;
}

void TestFanTally::fans()
{
    QFETCH(QList<int>, tiles);
    QFETCH(QList<int>, boxes);
    QFETCH(int, fans);
    QCOMPARE(tallyFans(board(tiles, boxes)).total, fans);
}

void TestFanTally::clicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("seat East then South")
        << QList<int>{seat(kEast), seat(kSouth)} << QList<int>{seat(kSouth)};
    QTest::newRow("seat South twice") << QList<int>{seat(kSouth), seat(kSouth)} << QList<int>{};
    QTest::newRow("same wind in both rows")
        << QList<int>{prevailing(kWest), seat(kWest)} << QList<int>{prevailing(kWest), seat(kWest)};
    QTest::newRow("prevailing row leaves the seat row alone")
        << QList<int>{seat(kNorth), prevailing(kEast), prevailing(kNorth)}
        << QList<int>{prevailing(kNorth), seat(kNorth)};
    QTest::newRow("wind pongs are independent") << QList<int>{windPong(kEast), windPong(kSouth)}
                                                << QList<int>{windPong(kEast), windPong(kSouth)};
    QTest::newRow("flower twice") << QList<int>{flower(3), flower(3)} << QList<int>{};
}

void TestFanTally::clicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, selected);
    TileFlagSet flags{};
    for (int tile : clicks)
        clickTile(flags, tile);
    QCOMPARE(::selected(flags), selected);
}

QTEST_GUILESS_MAIN(TestFanTally)
#include "tst_fantally.moc"
