#include "calculator/handbreakdown.h"
#include "fancounter/fantally.h"
#include "handsheet.h"

#include <QTest>

#include <random>

using namespace mjcalc;
using mjcalc::test::sheetWith;

Q_DECLARE_METATYPE(Breakdown)

namespace {

const QString kTimes = QStringLiteral("\u00d7 ");

BreakdownLine line(const QString& item, const QString& change, const QString& total,
                   bool emphasis = false)
{
    return {item, change, total, emphasis};
}

// Follows the lines as a player checking them by hand would: each change applied to the total
// so far must give the total the line shows.
bool linesAddUp(const Breakdown& lines, QString* failure)
{
    qint64 running = 0;
    for (const BreakdownLine& line : lines) {
        if (line.item == QLatin1String("Your hand is worth"))
            return line.total.trimmed().toLongLong() == running;
        qint64 expected = running;
        const QString change = line.change;
        if (line.item == QLatin1String("Base"))
            expected = line.total.trimmed().toLongLong();
        else if (change.startsWith(QLatin1Char('+')))
            expected = running + change.mid(1).toLongLong();
        else if (change.startsWith(kTimes))
            expected = running * change.mid(kTimes.size()).toLongLong();
        else if (change.startsWith(QLatin1String("= ")))
            expected = change.mid(2).toLongLong();
        if (line.total.trimmed().toLongLong() != expected) {
            *failure = QStringLiteral("%1: %2 after %3").arg(line.item, line.total).arg(running);
            return false;
        }
        running = expected;
    }
    *failure = QStringLiteral("no total line");
    return false;
}

} // namespace

class TestBreakdown : public QObject {
    Q_OBJECT

private slots:
    void handReadsAsCounted_data();
    void handReadsAsCounted();
    void overflowSaysWhereTheCountStopped();
    void handLinesAddUpToTheTotal();
    void fansReadAsCounted_data();
    void fansReadAsCounted();
};

void TestBreakdown::handReadsAsCounted_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("limit");
    QTest::addColumn<Breakdown>("lines");
    QTest::newRow("nothing ticked")
        << QList<int>{} << 0 << 500
        << Breakdown{line("Base", "", " 20"), line("Your hand is worth", "", " 20", true),
                     line("Not East", kTimes + "4", ""), line("V! Points", "", " 80", true)};
    QTest::newRow("closed honor pong and self pick, East")
        << QList<int>{1, 38, 52} << 0 << 500
        << Breakdown{line("Base", "", " 20"),
                     line("closed pong honor", "+8", " 28"),
                     line("self pick to MJ", "+2", " 30"),
                     line("Your hand is worth", "", " 30", true),
                     line("East", kTimes + "6", ""),
                     line("V! Points", "", " 180", true)};
    QTest::newRow("two open pongs, pure and a flower")
        << QList<int>{2, 3, 57} << 1 << 1000
        << Breakdown{line("Base", "", " 20"),
                     line("open pong 2-8, 2 " + kTimes + "2", "+4", " 24"),
                     line("pure", kTimes + "8", " 192"),
                     line("flowers and seasons", "+4", " 196"),
                     line("Your hand is worth", "", " 196", true),
                     line("Not East", kTimes + "4", ""),
                     line("V! Points", "", " 784", true)};
    QTest::newRow("limit hand above the limit")
        << QList<int>{59, 61} << 2 << 500
        << Breakdown{line("Base", "", " 20"),
                     line("all terminals: limit hand", "= 500", " 500"),
                     line("flowers and seasons, 2 " + kTimes + "4", "+8", " 508"),
                     line("FA from own seat", kTimes + "2", " 1016"),
                     line("Your hand is worth", "", " 1016", true),
                     line("Capped at the table limit", "", " 500"),
                     line("Not East", kTimes + "4", ""),
                     line("V! Points", "", " 2000", true)};
    QTest::newRow("two flower kongs")
        << QList<int>{63, 64} << 0 << 65536
        << Breakdown{line("Base", "", " 20"), line("FA kong, 2 boxes", kTimes + "64", " 1280"),
                     line("Your hand is worth", "", " 1280", true),
                     line("Not East", kTimes + "4", ""), line("V! Points", "", " 5120", true)};
}

void TestBreakdown::handReadsAsCounted()
{
    QFETCH(QList<int>, ticked);
    QFETCH(int, flowers);
    QFETCH(int, limit);
    QFETCH(Breakdown, lines);
    const HandSheet sheet = sheetWith(ticked, flowers, limit);
    QCOMPARE(describeHand(scoreHand(sheet), limit, sheet.ticked(kEastBox)), lines);
}

void TestBreakdown::overflowSaysWhereTheCountStopped()
{
    const QList<int> ticked{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72};
    const Breakdown lines = describeHand(scoreHand(sheetWith(ticked, 0, 65536)), 65536, false);
    QVERIFY(lines.size() >= 2);
    QCOMPARE(lines.at(lines.size() - 2), line("Going out on last tile", kTimes + "2", "too large"));
    QVERIFY(lines.last().item.startsWith("The count stops here"));
    QVERIFY(lines.last().item.contains("2147483647"));
    for (const BreakdownLine& each : lines)
        QVERIFY(each.item != QLatin1String("V! Points"));
    QCOMPARE(lines.at(lines.size() - 3).total, QStringLiteral(" 1073741824"));
}

void TestBreakdown::handLinesAddUpToTheTotal()
{
    // Many different sheets, drawn from a fixed sequence so that a failure can be replayed.
    std::mt19937 draw(20261206);
    for (int round = 0; round < 500; ++round) {
        HandSheet sheet;
        for (int box = 1; box <= kHighestBox; ++box) {
            if (box != kMissingBox && draw() % 5 == 0)
                sheet.boxes[box] = BoxValue::Ticked;
        }
        sheet.flowerCount = static_cast<int>(draw() % 9);
        sheet.tableLimit = static_cast<int>(draw() % 65536) + 1;
        const HandScore score = scoreHand(sheet);
        if (score.overflow)
            continue;
        QString failure;
        QVERIFY2(linesAddUp(describeHand(score, sheet.tableLimit, false), &failure),
                 qPrintable(failure));
    }
}

void TestBreakdown::fansReadAsCounted_data()
{
    QTest::addColumn<QList<int>>("tiles");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<Breakdown>("lines");
    QTest::newRow("nothing selected")
        << QList<int>{} << QList<int>{}
        << Breakdown{line("No flowers or seasons", "+1", ""), line("Your FANS", "", " 1", true)};
    QTest::newRow("no-flowers table")
        << QList<int>{} << QList<int>{kNoFlowerTableBox}
        << Breakdown{line("No flowers or seasons, but a NO FA table", "no fan", ""),
                     line("Your FANS", "", " 0", true)};
    QTest::newRow("own flower, someone else's season")
        << QList<int>{seatWindTile(2), flowerTile(2), seasonTile(3)} << QList<int>{}
        << Breakdown{line("Flower 2, of your seat", "+1", ""),
                     line("Season 3, not of your seat: it only takes away the no-flowers fan",
                          "no fan", ""),
                     line("Your FANS", "", " 1", true)};
    QTest::newRow("wind pong of seat and prevailing wind, a dragon, pure")
        << QList<int>{seatWindTile(1), prevailingWindTile(1), windPongTile(1), windPongTile(3),
                      dragonPongTile(2)}
        << QList<int>{4}
        << Breakdown{line("No flowers or seasons", "+1", ""),
                     line("East wind pong, your seat wind", "+1", ""),
                     line("East wind pong, the prevailing wind", "+1", ""),
                     line("West wind pong, neither seat nor prevailing wind", "no fan", ""),
                     line("Red dragon pong", "+1", ""),
                     line("Pure", "+6", ""),
                     line("Your FANS", "", " 10", true)};
}

void TestBreakdown::fansReadAsCounted()
{
    QFETCH(QList<int>, tiles);
    QFETCH(QList<int>, boxes);
    QFETCH(Breakdown, lines);
    FanBoard board;
    for (int tile : tiles)
        board.tiles[tile] = true;
    for (int box : boxes)
        board.ticked[box] = true;
    QCOMPARE(describeFans(tallyFans(board)), lines);
}

QTEST_GUILESS_MAIN(TestBreakdown)
#include "tst_breakdown.moc"
