#include "calculator/scoring.h"
#include "handsheet.h"

#include <QList>
#include <QTest>

using namespace mjcalc;
using mjcalc::test::sheetWith;

namespace {

QList<int> range(int first, int last)
{
    QList<int> boxes;
    for (int box = first; box <= last; ++box) {
        if (box != kMissingBox)
            boxes.append(box);
    }
    return boxes;
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void handPoints_data();
    void handPoints();
    void greyedBoxScoresNothing();
    void overflowStopsAtTheFailingRule_data();
    void overflowStopsAtTheFailingRule();
};

void TestScoring::handPoints_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("points");
    const int noLimit = 1'000'000;

    QTest::newRow("nothing ticked") << QList<int>{} << 0 << noLimit << 20;
    QTest::newRow("closed pong honor and self pick") << QList<int>{38, 52} << 0 << noLimit << 30;
    QTest::newRow("pair and worthless hand") << QList<int>{50, 55} << 0 << noLimit << 44;
    QTest::newRow("two open pongs, pure, one flower")
        << QList<int>{2, 3, 57} << 1 << noLimit << 196;
    QTest::newRow("all first doublings") << range(54, 58) << 0 << noLimit << 2560;
    QTest::newRow("limit hand, flowers, own flower") << QList<int>{59, 61} << 2 << 500 << 1016;
    QTest::newRow("both limit hands count once") << QList<int>{59, 60} << 0 << 300 << 300;
    QTest::newRow("four closed kongs of terminals") << range(30, 33) << 0 << noLimit << 148;
    QTest::newRow("first box of a row alone") << QList<int>{30} << 0 << noLimit << 52;
    QTest::newRow("fourth box of a row alone") << QList<int>{33} << 0 << noLimit << 52;
    QTest::newRow("open kong of terminals") << QList<int>{26} << 0 << noLimit << 36;
    QTest::newRow("every left-hand box") << range(2, 53) << 0 << noLimit << 626;
    QTest::newRow("every box up to the limit hands") << range(2, 58) << 0 << noLimit << 80128;
    QTest::newRow("limit hand throws away pure") << QList<int>{2, 57, 59} << 0 << 500 << 500;
    QTest::newRow("eight flowers") << QList<int>{} << 8 << noLimit << 52;
    QTest::newRow("flowers are not multiplied by pure") << QList<int>{57} << 8 << noLimit << 192;
    QTest::newRow("flowers are multiplied by a flower kong")
        << QList<int>{63} << 4 << noLimit << 288;
    QTest::newRow("two own flowers") << QList<int>{61, 62} << 0 << noLimit << 80;
    QTest::newRow("two flower kongs") << QList<int>{63, 64} << 0 << noLimit << 1280;
    QTest::newRow("three dragon pongs") << range(65, 67) << 0 << noLimit << 160;
    QTest::newRow("pure and semi pure together") << QList<int>{56, 57} << 0 << noLimit << 320;
    QTest::newRow("limit hand above the limit") << QList<int>{60, 71, 72} << 1 << 100 << 416;
    QTest::newRow("negative limit stays negative") << QList<int>{59, 61} << 0 << -100 << -200;
    QTest::newRow("highest hand that fits")
        << (QList<int>{60} + range(61, 70)) << 0 << 65536 << 1073741824;
}

void TestScoring::handPoints()
{
    QFETCH(QList<int>, ticked);
    QFETCH(int, flowers);
    QFETCH(int, limit);
    QFETCH(int, points);
    const HandScore score = scoreHand(sheetWith(ticked, flowers, limit));
    QVERIFY(!score.overflow);
    QCOMPARE(score.handPoints, points);
}

void TestScoring::greyedBoxScoresNothing()
{
    HandSheet sheet = sheetWith({38});
    sheet.boxes[57] = BoxValue::Greyed;
    sheet.boxes[59] = BoxValue::Greyed;
    QCOMPARE(scoreHand(sheet).handPoints, 28);
}

void TestScoring::overflowStopsAtTheFailingRule_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("stoppedAt");
    QTest::addColumn<int>("pointsBefore");
    QTest::newRow("highest limit hand with every second doubling")
        << (QList<int>{60} + range(61, 72)) << 0 << 71 << 1073741824;
    QTest::newRow("last box alone is enough to fail")
        << (QList<int>{60} + range(61, 70) + QList<int>{72}) << 0 << 72 << 1073741824;
    QTest::newRow("flower product too large") << QList<int>{} << 1 << 0 << 20;
}

void TestScoring::overflowStopsAtTheFailingRule()
{
    QFETCH(QList<int>, ticked);
    QFETCH(int, flowers);
    QFETCH(int, stoppedAt);
    QFETCH(int, pointsBefore);
    // The flower counter can never reach this from the window; the rule must still not wrap.
    const int flowerCount = flowers ? 600'000'000 : 0;
    const HandScore score = scoreHand(sheetWith(ticked, flowerCount, 65536));
    QVERIFY(score.overflow);
    QCOMPARE(score.stoppedAtBox, stoppedAt);
    QCOMPARE(score.handPoints, pointsBefore);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
