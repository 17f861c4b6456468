#include "calculator/handbreakdown.h"
#include "calculator/scoring.h"

#include <QList>
#include <QTest>

using namespace mjcalc;

// Box numbers are ticked, negative ones greyed; stoppedAt is -1 when the count does not overflow.
struct Hand {
    QList<int> ticked;
    int points, flowers = 0, limit = 500, stoppedAt = -1;
};
Q_DECLARE_METATYPE(Hand)
Q_DECLARE_METATYPE(Breakdown)
using enum LineRole;

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    // Each rule's row ticks all of its boxes, so a range one box too short or too long shows.
    // Points worked out by hand.
    void scoreHand_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::newRow("open pongs 2-8") << Hand{{2, 3, 4, 5}, 28};           // 20 + 4*2
        QTest::newRow("closed pongs 2-8") << Hand{{6, 7, 8, 9}, 36};         // 20 + 4*4
        QTest::newRow("open kongs 2-8") << Hand{{10, 11, 12, 13}, 52};       // 20 + 4*8
        QTest::newRow("closed kongs 2-8") << Hand{{14, 15, 16, 17}, 84};     // 20 + 4*16
        QTest::newRow("open pongs 1 or 9") << Hand{{18, 19, 20, 21}, 36};    // 20 + 4*4
        QTest::newRow("closed pongs 1 or 9") << Hand{{22, 23, 24, 25}, 52};  // 20 + 4*8
        QTest::newRow("open kongs 1 or 9") << Hand{{26, 27, 28, 29}, 84};    // 20 + 4*16
        QTest::newRow("closed kongs 1 or 9") << Hand{{30, 31, 32, 33}, 148}; // 20 + 4*32
        QTest::newRow("open honor pongs") << Hand{{34, 35, 36, 37}, 36};     // 20 + 4*4
        QTest::newRow("closed honor pongs") << Hand{{38, 39, 40, 41}, 52};   // 20 + 4*8
        QTest::newRow("open honor kongs") << Hand{{42, 43, 44, 45}, 84};     // 20 + 4*16
        QTest::newRow("closed honor kongs") << Hand{{46, 47, 48, 49}, 148};  // 20 + 4*32
        QTest::newRow("pair") << Hand{{50, 51}, 22};                         // 20 + 2; 51 is no box
        QTest::newRow("self pick") << Hand{{52}, 22};                        // 20 + 2
        QTest::newRow("one chance") << Hand{{53}, 22};                       // 20 + 2
        QTest::newRow("all pongs") << Hand{{2, 54}, 44};                     // (20 + 2) * 2
        QTest::newRow("worthless") << Hand{{55}, 40};                        // 20 * 2
        QTest::newRow("semi pure") << Hand{{56}, 40};                        // 20 * 2
        QTest::newRow("pure") << Hand{{2, 57}, 176};                         // (20 + 2) * 8
        QTest::newRow("terminals and honors") << Hand{{58}, 40};             // 20 * 2
        QTest::newRow("all terminals") << Hand{{2, 57, 59}, 500}; // the limit, whatever came before
        QTest::newRow("all honors") << Hand{{60}, 300, 0, 300};   // the limit
        QTest::newRow("flowers after first doublings") << Hand{{57}, 164, 1}; // 20 * 8 + 4
        QTest::newRow("flowers after a limit hand") << Hand{{59}, 508, 2};    // 500 + 2*4
        QTest::newRow("own flowers") << Hand{{61, 62}, 96, 1};                // (20 + 4) * 2 * 2
        QTest::newRow("flower kongs") << Hand{{63, 64}, 1280};                // 20 * 8 * 8
        QTest::newRow("closed dragon pongs") << Hand{{65, 66, 67}, 160};      // 20 * 2 * 2 * 2
        QTest::newRow("closed wind pongs") << Hand{{68, 69}, 80};             // 20 * 2 * 2
        QTest::newRow("out on a pong") << Hand{{70}, 40};                     // 20 * 2
        QTest::newRow("out on the last tile") << Hand{{71}, 40};              // 20 * 2
        QTest::newRow("out on a supplement") << Hand{{72}, 40};               // 20 * 2
        QTest::newRow("greyed boxes") << Hand{{38, -57, -59, -61}, 28};       // 20 + 8
        // 65536 * 4 * 64 * 8 * 4 * 2 = 2^30; one more doubling passes 2^31 - 1.
        const QList<int> highest{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70};
        QTest::newRow("highest that fits") << Hand{highest, 1073741824, 0, 65536};
        QTest::newRow("overflow stops at once")
            << Hand{highest + QList{71, 72}, 1073741824, 0, 65536, 71};
        QTest::newRow("flower points too large") << Hand{{}, 20, 600000000, 500, 0};
        QTest::newRow("flowers past the range") << Hand{{59}, 2147483647, 1, 2147483647, 0};
    }

    void scoreHand()
    {
        QFETCH(Hand, hand);
        HandSheet sheet{{}, hand.flowers, hand.limit};
        for (int box : hand.ticked)
            sheet.boxes[qAbs(box)] = box > 0 ? BoxValue::Ticked : BoxValue::Greyed;
        const HandScore score = mjcalc::scoreHand(sheet);
        QCOMPARE(score.handPoints, hand.points);
        QCOMPARE(score.overflow, hand.stoppedAt >= 0);
        QCOMPARE(score.stoppedAtBox, qMax(hand.stoppedAt, 0));
    }

    void payout() { QVERIFY(eastFactor(true) == 6 && eastFactor(false) == 4); }

    // The same count, explained: the lines of the tooltip, the shown figures set off.
    void handLines_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("flowers");
        QTest::addColumn<int>("limit");
        QTest::addColumn<Breakdown>("lines");
        QTest::newRow("East, one or several boxes a row, capped")
            << QList<int>{kEastBox, 2, 26, 27, 52, 59, 63, 64, 71} << 2 << 500
            << Breakdown{{"Base", "", " 20"},
                         {"open pong 2-8", "+2", " 22"},
                         {"open kong 1 or 9, 2 × 16", "+32", " 54"},
                         {"self pick to MJ", "+2", " 56"},
                         {"all terminals: limit hand", "", " 500"},
                         {"flowers and seasons, 2 × 4", "+8", " 508"},
                         {"FA kong, 2 boxes", "× 64", " 32512"},
                         {"Going out on last tile", "× 2", " 65024"},
                         {"Your hand is worth", "", " 65024", Shown},
                         {"Capped at the table limit", "", " 500", Result},
                         {"East", "× 6", "", Result},
                         {"V! Points", "", " 3000", Shown}};
        QTest::newRow("overflow")
            << QList<int>{kEastBox, 59, 71, 72} << 0 << 1073741824
            << Breakdown{{"Base", "", " 20"},
                         {"all terminals: limit hand", "", " 1073741824"},
                         {"Going out on last tile", "× 2", "too large"},
                         {"The count stops here: the points would pass 2147483647", "", "", Shown}};
    }

    void handLines()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(int, flowers);
        QFETCH(int, limit);
        QFETCH(Breakdown, lines);
        HandSheet sheet{{}, flowers, limit};
        for (int box : ticked)
            sheet.boxes[box] = BoxValue::Ticked;
        QCOMPARE(describeHand(mjcalc::scoreHand(sheet), limit, ticked.contains(kEastBox)), lines);
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
