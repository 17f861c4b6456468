#include "calculator/handbreakdown.h"

#include <QTest>

using namespace mjcalc;

Q_DECLARE_METATYPE(Breakdown)

class TestBreakdown : public QObject {
    Q_OBJECT

private slots:
    void handLines_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("flowers");
        QTest::addColumn<int>("limit");
        QTest::addColumn<Breakdown>("lines");
        QTest::newRow("East, one or several boxes a row, capped")
            << QList<int>{kEastBox, 26, 27, 52, 59, 63, 64, 71} << 2 << 500
            << Breakdown{{"Base", "", " 20"},
                         {"open kong 1 or 9, 2 × 16", "+32", " 52"},
                         {"self pick to MJ", "+2", " 54"},
                         {"all terminals: limit hand", "= 500", " 500"},
                         {"flowers and seasons, 2 × 4", "+8", " 508"},
                         {"FA kong, 2 boxes", "× 64", " 32512"},
                         {"Going out on last tile", "× 2", " 65024"},
                         {"Your hand is worth", "", " 65024", true},
                         {"Capped at the table limit", "", " 500"},
                         {"East", "× 6", ""},
                         {"V! Points", "", " 3000", true}};
        QTest::newRow("overflow")
            << QList<int>{kEastBox, 59, 71, 72} << 0 << 1073741824
            << Breakdown{{"Base", "", " 20"},
                         {"all terminals: limit hand", "= 1073741824", " 1073741824"},
                         {"Going out on last tile", "× 2", "too large"},
                         {"The count stops here: the points would pass 2147483647", "", "", true}};
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
        QCOMPARE(describeHand(scoreHand(sheet), limit, ticked.contains(kEastBox)), lines);
    }

    void toolTip()
    {
        const QString html = toolTipTable({{"a<b", "+8", " 28"}, {"Total", "", " 30", true}});
        QVERIFY(html.contains("<td>a&lt;b</td>") && html.count("<b>") == 2);
        QVERIFY(html.contains("right\">&nbsp;&nbsp;+8</td><td align=\"right\">&nbsp;&nbsp;28<"));
        QVERIFY(html.contains("<b>Total</b>") && html.contains("<b>30</b>"));
    }
};

QTEST_GUILESS_MAIN(TestBreakdown)
#include "tst_breakdown.moc"
