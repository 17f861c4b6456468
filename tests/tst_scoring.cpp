#include "breakdownprinting.h"
#include "calculator/handbreakdown.h"
#include "calculator/scoring.h"

#include <QList>
#include <QTest>

using namespace mjcalc;

using enum PointsRule;
// How many boxes of each row are ticked; stoppedAt names the row where the count overflows.
struct Hand {
    QList<std::pair<PointsRule, int>> ticked;
    int points, flowers = 0, limit = 500;
    const char* stoppedAt = nullptr;
};
Q_DECLARE_METATYPE(Hand)
Q_DECLARE_METATYPE(Breakdown)
using enum LineRole;

static HandSheet sheetOf(const QList<std::pair<PointsRule, int>>& ticked, int flowers, int limit)
{
    HandSheet sheet{{}, flowers, limit};
    for (const auto& [rule, boxes] : ticked) {
        for (int box = 0; box < boxes; ++box)
            sheet.tick(rule);
    }
    return sheet;
}

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    // Each row with all of its boxes ticked. Points worked out by hand.
    void scoreHand_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::newRow("open pongs 2-8") << Hand{{{OpenPong, 4}}, 28};                 // 20 + 4*2
        QTest::newRow("closed pongs 2-8") << Hand{{{ClosedPong, 4}}, 36};             // 20 + 4*4
        QTest::newRow("open kongs 2-8") << Hand{{{OpenKong, 4}}, 52};                 // 20 + 4*8
        QTest::newRow("closed kongs 2-8") << Hand{{{ClosedKong, 4}}, 84};             // 20 + 4*16
        QTest::newRow("open pongs 1 or 9") << Hand{{{OpenPongTerminal, 4}}, 36};      // 20 + 4*4
        QTest::newRow("closed pongs 1 or 9") << Hand{{{ClosedPongTerminal, 4}}, 52};  // 20 + 4*8
        QTest::newRow("open kongs 1 or 9") << Hand{{{OpenKongTerminal, 4}}, 84};      // 20 + 4*16
        QTest::newRow("closed kongs 1 or 9") << Hand{{{ClosedKongTerminal, 4}}, 148}; // 20 + 4*32
        QTest::newRow("open honor pongs") << Hand{{{OpenPongHonor, 4}}, 36};          // 20 + 4*4
        QTest::newRow("closed honor pongs") << Hand{{{ClosedPongHonor, 4}}, 52};      // 20 + 4*8
        QTest::newRow("open honor kongs") << Hand{{{OpenKongHonor, 4}}, 84};          // 20 + 4*16
        QTest::newRow("closed honor kongs") << Hand{{{ClosedKongHonor, 4}}, 148};     // 20 + 4*32
        QTest::newRow("pair") << Hand{{{PairOfDragonsOrWinds, 1}}, 22};               // 20 + 2
        QTest::newRow("self pick") << Hand{{{SelfPick, 1}}, 22};                      // 20 + 2
        QTest::newRow("one chance") << Hand{{{OneChanceTile, 1}}, 22};                // 20 + 2
        QTest::newRow("all pongs") << Hand{{{OpenPong, 1}, {AllPongs, 1}}, 44};       // 22 * 2
        QTest::newRow("worthless") << Hand{{{WorthlessHand, 1}}, 40};                 // 20 * 2
        QTest::newRow("semi pure") << Hand{{{SemiPure, 1}}, 40};                      // 20 * 2
        QTest::newRow("pure") << Hand{{{OpenPong, 1}, {Pure, 1}}, 176};               // 22 * 8
        QTest::newRow("terminals and honors") << Hand{{{TerminalsAndHonors, 1}}, 40}; // 20 * 2
        // The limit, whatever came before.
        QTest::newRow("all terminals") << Hand{{{OpenPong, 1}, {Pure, 1}, {AllTerminals, 1}}, 500};
        QTest::newRow("all honors") << Hand{{{AllHonors, 1}}, 300, 0, 300};
        QTest::newRow("flowers after first doublings") << Hand{{{Pure, 1}}, 164, 1};      // 160 + 4
        QTest::newRow("flowers after a limit hand") << Hand{{{AllTerminals, 1}}, 508, 2}; // 500 + 8
        QTest::newRow("own flowers") << Hand{{{FaFromOwnSeat, 2}}, 96, 1};        // 24 * 2 * 2
        QTest::newRow("flower kongs") << Hand{{{FaKong, 2}}, 1280};               // 20 * 8 * 8
        QTest::newRow("closed dragon pongs") << Hand{{{ClosedDragons, 3}}, 160};  // 20 * 2^3
        QTest::newRow("closed wind pongs") << Hand{{{ClosedWinds, 2}}, 80};       // 20 * 2 * 2
        QTest::newRow("out on a pong") << Hand{{{OutOnAPong, 1}}, 40};            // 20 * 2
        QTest::newRow("out on the last tile") << Hand{{{OutOnLastTile, 1}}, 40};  // 20 * 2
        QTest::newRow("out on a supplement") << Hand{{{OutOnSupplement, 1}}, 40}; // 20 * 2
        // 65536 * 4 * 64 * 8 * 4 * 2 = 2^30; one more doubling passes 2^31 - 1.
        const QList<std::pair<PointsRule, int>> highest{{AllHonors, 1},   {FaFromOwnSeat, 2},
                                                        {FaKong, 2},      {ClosedDragons, 3},
                                                        {ClosedWinds, 2}, {OutOnAPong, 1}};
        QTest::newRow("highest that fits") << Hand{highest, 1073741824, 0, 65536};
        QTest::newRow("flower points too large")
            << Hand{{}, 20, 600000000, 500, "flowers and seasons"};
        QTest::newRow("flowers past the range")
            << Hand{{{AllTerminals, 1}}, 2147483647, 1, 2147483647, "flowers and seasons"};
    }

    void scoreHand()
    {
        QFETCH(Hand, hand);
        const HandScore score = mjcalc::scoreHand(sheetOf(hand.ticked, hand.flowers, hand.limit));
        QCOMPARE(score.handPoints, hand.points);
        QCOMPARE(score.overflow, hand.stoppedAt != nullptr);
        if (hand.stoppedAt) {
            QVERIFY(score.steps.back().overflow);
            QCOMPARE(score.steps.back().row, hand.stoppedAt);
        }
    }

    // The same count, explained: the lines of the tooltip, the shown figures set off.
    void handLines_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::addColumn<bool>("east");
        QTest::addColumn<Breakdown>("lines");
        using Ticked = decltype(Hand::ticked);
        const Ticked capped{{OpenPong, 1},
                            {OpenKongTerminal, 2},
                            {AllTerminals, 1},
                            {FaKong, 2},
                            {OutOnLastTile, 1}};
        QTest::newRow("East, one or several boxes a row, capped")
            << Hand{capped, 65024, 2} << true
            << Breakdown{{"Base", "", " 20"},
                         {"open pong 2-8", "+2", " 22"},
                         {"open kong 1 or 9, 2 × 16", "+32", " 54"},
                         {"all terminals: limit hand", "", " 500"},
                         {"flowers and seasons, 2 × 4", "+8", " 508"},
                         {"FA kong, 2 boxes", "× 64", " 32512"},
                         {"Going out on last tile", "× 2", " 65024"},
                         {"Your hand is worth", "", " 65024", Shown},
                         {"Capped at the table limit", "", " 500", Result},
                         {"East", "× 6", "", Result},
                         {"V! Points", "", " 3000", Shown}};
        const Ticked overflowing{{AllTerminals, 1}, {OutOnLastTile, 1}, {OutOnSupplement, 1}};
        QTest::newRow("overflow")
            << Hand{overflowing, 1073741824, 0, 1073741824} << true
            << Breakdown{{"Base", "", " 20"},
                         {"all terminals: limit hand", "", " 1073741824"},
                         {"Going out on last tile", "× 2", "too large"},
                         {"The count stops here: the points would pass 2147483647", "", "", Shown}};
    }

    void handLines()
    {
        QFETCH(Hand, hand);
        QFETCH(bool, east);
        QFETCH(Breakdown, lines);
        const HandScore score = mjcalc::scoreHand(sheetOf(hand.ticked, hand.flowers, hand.limit));
        QCOMPARE(score.handPoints, hand.points);
        QCOMPARE(describeHand(score, hand.limit, east), lines);
    }

    // One explanation in its two forms: a table for the tooltip, plain lines for the clipboard.
    void bothForms()
    {
        const Breakdown lines{{"a<b", "+8", " 28"},
                              {"looked at", "no fan", "", Aside},
                              {"East", "× 6", "", Result},
                              {"Total", "", " 30", Shown}};
        const QString html = toolTipTable(lines);
        QVERIFY(html.contains("<td>a&lt;b</td>") && html.count("<b>") == 2);
        QVERIFY(html.contains("right\">&nbsp;&nbsp;+8</td><td align=\"right\">&nbsp;&nbsp;28<"));
        QVERIFY(html.contains("<b>Total</b>") && html.contains("<b>30</b>"));
        QCOMPARE(plainText(lines), "East × 6, Total 30\na<b: +8 = 28");
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
