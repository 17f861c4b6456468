#include "breakdownprinting.h"
#include "fancounter/fantally.h"

#include <QTest>

using namespace mjcalc;

constexpr auto &prevailing = prevailingWindTile, &seat = seatWindTile, &pong = windPongTile;
constexpr auto &flower = flowerTile, &season = seasonTile, &dragon = dragonPongTile;
constexpr int kEast = 1, kSouth = 2, kWest = 3, kNorth = 4;
using enum FanRule;

static FanBoard board(const QList<int>& tiles, const QList<FanRule>& boxes = {})
{
    FanBoard board;
    for (int tile : tiles)
        board.tiles[tile] = true;
    for (FanRule box : boxes)
        board.tick(box);
    return board;
}
Q_DECLARE_METATYPE(FanBoard)

class TestFanTally : public QObject {
    Q_OBJECT

private slots:
    // Totals by hand, the no-flowers fan included.
    void fans_data()
    {
        QTest::addColumn<FanBoard>("board");
        QTest::addColumn<int>("fans");
        // The maximum hands are announced, not counted.
        const std::pair<FanRule, int> alone[] = {
            {AllPungs, 3},    {AllChows, 1},     {SemiPure, 3},  {Pure, 6},
            {SelfPick, 1},    {AllTerminals, 0}, {AllHonors, 0}, {SupplementTile, 1},
            {RobbingKong, 1}, {LastTile, 1}};
        for (const auto& [box, fans] : alone)
            QTest::addRow("%s alone", fanRow(box).words) << board({}, {box, NoFlowerTable}) << fans;
        QTest::newRow("nothing: the no-flowers fan") << board({}) << 1;
        QTest::newRow("another seat's flower") << board({flower(1)}) << 0;
        QTest::newRow("own flower") << board({seat(kSouth), flower(2)}) << 1;
        QTest::newRow("own season") << board({seat(kWest), season(3), season(2)}) << 1;
        QTest::newRow("all of both, own North")
            << board({seat(kNorth), flower(1), flower(2), flower(3), flower(4), season(1),
                      season(2), season(3), season(4)})
            << 4;
        QTest::newRow("East, both winds")
            << board({seat(kEast), prevailing(kEast), pong(kEast)}) << 3;
        QTest::newRow("seat only") << board({seat(kSouth), prevailing(kEast), pong(kSouth)}) << 2;
        QTest::newRow("prevailing only")
            << board({seat(kSouth), prevailing(kNorth), pong(kNorth)}) << 2;
        QTest::newRow("neither") << board({seat(kSouth), prevailing(kSouth), pong(kWest)}) << 1;
        QTest::newRow("dragon pongs") << board({dragon(1), dragon(2), dragon(3)}) << 4;
    }

    void fans()
    {
        QFETCH(FanBoard, board);
        QFETCH(int, fans);
        QCOMPARE(tallyFans(board).total, fans);
    }

    void lines()
    {
        QCOMPARE(describeFans(tallyFans(board({season(3)}))).at(0).item,
                 "Season 3, not of your seat: it only takes away the no-flowers fan");
        const FanBoard mixed =
            board({seat(kEast), flower(1), season(3), pong(kEast), pong(kWest), dragon(2)},
                  {Pure, NoFlowerTable});
        QCOMPARE(describeFans(tallyFans(mixed)),
                 (Breakdown{{"Flower 1, of your seat", "+1", ""},
                            {"Season 3, not of your seat", "no fan", "", LineRole::Aside},
                            {"East wind pong, your seat wind", "+1", ""},
                            {"West wind pong, neither seat nor prevailing wind", "no fan", "",
                             LineRole::Aside},
                            {"Red dragon pong", "+1", ""},
                            {"Pure", "+6", ""},
                            {"Your FANS", "", " 9", LineRole::Shown}}));
    }

    void clicks_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("prevailing wind moves, seat stays")
            << QList{seat(kEast), prevailing(kNorth), prevailing(kSouth)}
            << QList{prevailing(kSouth), seat(kEast)};
        QTest::newRow("seat wind moves, prevailing and pong stay")
            << QList{prevailing(kWest), seat(kNorth), seat(kEast), pong(kEast), flower(1)}
            << QList{prevailing(kWest), seat(kEast), pong(kEast), flower(1)};
        QTest::newRow("seat wind clicked off") << QList{seat(kSouth), seat(kSouth)} << QList<int>{};
    }

    void clicks()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, selected);
        TileFlagSet flags{};
        for (int tile : clicks)
            clickTile(flags, tile);
        QVERIFY(flags == board(selected).tiles);
    }
};

QTEST_GUILESS_MAIN(TestFanTally)
#include "tst_fantally.moc"
