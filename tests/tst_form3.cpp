#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "testsupport.h"
#include "toolkit/picturebox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace mjcalc;
using mjcalc::test::find;

namespace {

const QString kMaxedOut =
    QStringLiteral("Vantoo has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString kSelfPickHint =
    QStringLiteral("This means you also should check the Self Pick checkbox!");

QString pictureName(int picture)
{
    return QStringLiteral("Picture%1").arg(picture);
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boardIsLaidOutAsDrawn_data();
    void boardIsLaidOutAsDrawn();
    void focusGoesTilesThenBoxesThenButtons();
    void firstOpeningShowsGreyTilesAndOneFan();
    void clicksShowTheFans_data();
    void clicksShowTheFans();
    void windRowsHoldOneWind();
    void boxesSpeakTheirRows();
    void spaceTogglesTheFocusedTile();
    void hoveringTheTotalExplainsIt();
    void maximumHandsAreAnnouncedNotCounted();
    void selfPickHint();
    void clearAllKeepsTheTableBox();
    void coloursAreCopiedWhenTheBoardOpens();
    void reopenedBoardStartsFresh();
    void choosingTheMenuAgainKeepsTheBoard();

private:
    void openBoard();
    void clickTile(int picture);
    void tick(int box);
    [[nodiscard]] QString total() const;
    [[nodiscard]] bool showsSelected(int picture) const;
    [[nodiscard]] QWidget* board() const { return session_->catalogue.window(FormId::Form3); }

    std::unique_ptr<test::Session> session_;
};

void TestForm3::init()
{
    session_ = std::make_unique<test::Session>();
    openBoard();
}

void TestForm3::cleanup()
{
    session_.reset();
}

void TestForm3::openBoard()
{
    find<QAction>(session_->catalogue.window(FormId::Form1), "FancalculatorMenu")->trigger();
    QVERIFY(board());
}

void TestForm3::clickTile(int picture)
{
    QTest::mouseClick(find<QWidget>(board(), pictureName(picture)), Qt::LeftButton, {},
                      QPoint(10, 10));
}

void TestForm3::tick(int box)
{
    QTest::mouseClick(find<QWidget>(board(), QStringLiteral("Check%1").arg(box)), Qt::LeftButton,
                      {}, QPoint(6, 6));
}

QString TestForm3::total() const
{
    return find<QLabel>(board(), "Label8")->text();
}

bool TestForm3::showsSelected(int picture) const
{
    return test::showsSelectedTile(board(), picture);
}

void TestForm3::boardIsLaidOutAsDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption");
    QTest::newRow("clear all") << "Command1" << QRect(16, 8, 73, 17) << "CLEAR ALL";
    QTest::newRow("first tile") << "Picture1" << QRect(96, 32, 33, 41) << "";
    QTest::newRow("last wind pong") << "Picture12" << QRect(216, 136, 33, 41) << "";
    QTest::newRow("green dragon") << "Picture15" << QRect(176, 304, 33, 41) << "";
    QTest::newRow("last season") << "Picture23" << QRect(216, 256, 33, 41) << "";
    QTest::newRow("seat wind caption") << "Label2" << QRect(8, 96, 81, 25) << "Seat  wind";
    QTest::newRow("no-flowers table")
        << "Label21" << QRect(8, 184, 137, 17) << "Im playing a NO FA table";
    QTest::newRow("no-flowers box") << "Check11" << QRect(136, 184, 17, 17) << "Check11";
    QTest::newRow("total") << "Label8" << QRect(344, 16, 49, 17) << " 1";
    QTest::newRow("supplement box is shorter") << "Check8" << QRect(360, 296, 17, 13) << "Check8";
    QTest::newRow("hint") << "Command2" << QRect(384, 296, 17, 17) << "?";
    QTest::newRow("supplement caption")
        << "Label16" << QRect(240, 296, 105, 17) << "MJ on Suplement tile";
    QTest::newRow("last tile caption") << "Label18" << QRect(304, 248, 65, 17) << "Last tile";
}

void TestForm3::boardIsLaidOutAsDrawn()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    QCOMPARE(board()->windowTitle(), QStringLiteral("FanCounting"));
    QCOMPARE(board()->size(), QSize(442, 353));
    test::verifyPlacement(board(), name, pixels, caption);
    QVERIFY(find<QLabel>(board(), "Label19")->font().bold());
    QVERIFY(find<QLabel>(board(), "Label20")->font().bold());
    QVERIFY(!find<QLabel>(board(), "Label7")->font().bold());
}

void TestForm3::focusGoesTilesThenBoxesThenButtons()
{
    QStringList expected;
    for (int picture = 1; picture <= 23; ++picture)
        expected << pictureName(picture);
    for (int box = 1; box <= 10; ++box)
        expected << QStringLiteral("Check%1").arg(box);
    expected << "Command1"
             << "Command2"
             << "Check11";

    QWidget* first = find<QWidget>(board(), "Picture1");
    QStringList visited;
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            visited << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && visited.size() <= expected.size());
    QCOMPARE(visited, expected);
}

void TestForm3::firstOpeningShowsGreyTilesAndOneFan()
{
    QCOMPARE(total(), QStringLiteral(" 1"));
    QCOMPARE(session_->state.fans.FanTotal, 1);
    for (int picture = 1; picture <= 23; ++picture)
        QVERIFY2(!showsSelected(picture), qPrintable(pictureName(picture)));
    for (const QCheckBox* box : board()->findChildren<QCheckBox*>())
        QCOMPARE(box->checkState(), Qt::Unchecked);
}

void TestForm3::clicksShowTheFans_data()
{
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QString>("fans");
    QTest::newRow("no-flowers table") << QList<int>{} << QList<int>{11} << " 0";
    QTest::newRow("no-flowers table ticked and cleared")
        << QList<int>{} << QList<int>{11, 11} << " 1";
    QTest::newRow("seat South, flower 2, seasons 2 and 3")
        << QList<int>{6, 17, 21, 22} << QList<int>{} << " 2";
    QTest::newRow("pong before its seat wind") << QList<int>{9, 5, 1} << QList<int>{} << " 3";
    QTest::newRow("flower clicked twice") << QList<int>{5, 16, 16} << QList<int>{} << " 1";
    QTest::newRow("dragons and pure") << QList<int>{13, 14, 15} << QList<int>{4} << " 10";
    QTest::newRow("the largest total")
        << QList<int>{7, 3, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}
        << QList<int>{1, 2, 3, 4, 5, 8, 9, 10} << " 26";
}

void TestForm3::clicksShowTheFans()
{
    QFETCH(QList<int>, pictures);
    QFETCH(QList<int>, boxes);
    QFETCH(QString, fans);
    for (int picture : pictures)
        clickTile(picture);
    for (int box : boxes)
        tick(box);
    QCOMPARE(total(), fans);
    for (int picture = 1; picture <= 23; ++picture)
        QCOMPARE(showsSelected(picture), session_->state.fans.TileFlags[picture]);
}

void TestForm3::windRowsHoldOneWind()
{
    clickTile(5);
    clickTile(6);
    QVERIFY(!showsSelected(5));
    QVERIFY(showsSelected(6));
    QVERIFY(!session_->state.fans.TileFlags[5]);
    clickTile(6);
    for (int picture = 5; picture <= 8; ++picture)
        QVERIFY(!showsSelected(picture) && !session_->state.fans.TileFlags[picture]);
    clickTile(3);
    clickTile(7);
    QVERIFY(showsSelected(3) && showsSelected(7));
}

void TestForm3::boxesSpeakTheirRows()
{
    QCOMPARE(find<QWidget>(board(), "Check1")->accessibleName(), QStringLiteral("All Pungs"));
    QCOMPARE(find<QWidget>(board(), "Check8")->accessibleName(),
             QStringLiteral("MJ on Suplement tile"));
    QCOMPARE(find<QWidget>(board(), "Check11")->accessibleName(),
             QStringLiteral("Im playing a NO FA table"));
}

void TestForm3::spaceTogglesTheFocusedTile()
{
    QWidget* flower = find<QWidget>(board(), "Picture16");
    QCOMPARE(flower->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(flower, Qt::Key_Space);
    QVERIFY(showsSelected(16));
    QCOMPARE(total(), QStringLiteral(" 0"));
    QTest::keyClick(flower, Qt::Key_Space);
    QVERIFY(!showsSelected(16));
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestForm3::hoveringTheTotalExplainsIt()
{
    for (int picture : {6, 17, 22, 10, 14})
        clickTile(picture);
    tick(3);
    QCOMPARE(total(), QStringLiteral(" 6"));
    const QString shown = test::hoverToolTip(find<QLabel>(board(), "Label8"));
    for (const char* part :
         {"Flower 2, of your seat", "Season 3, not of your seat", "South wind pong, your seat wind",
          "Red dragon pong", "Semi Pure", "Your FANS"})
        QVERIFY2(shown.contains(QLatin1String(part)), part);
    QVERIFY(!shown.contains(QLatin1String("No flowers or seasons")));
}

void TestForm3::maximumHandsAreAnnouncedNotCounted()
{
    tick(4);
    tick(6);
    QCOMPARE(session_->dialogs.messages,
             (QList<Message>{{kMaxedOut, MessageIcon::None, "MJ Calculator", board()}}));
    QCOMPARE(total(), QStringLiteral(" 7"));
    tick(6);
    tick(7);
    tick(7);
    QCOMPARE(session_->dialogs.messages.size(), 2);
    QCOMPARE(total(), QStringLiteral(" 7"));
}

void TestForm3::selfPickHint()
{
    QTest::mouseClick(find<QWidget>(board(), "Command2"), Qt::LeftButton);
    QCOMPARE(session_->dialogs.messages,
             (QList<Message>{{kSelfPickHint, MessageIcon::Warning, "MJ Calculator", board()}}));
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestForm3::clearAllKeepsTheTableBox()
{
    for (int picture : {1, 5, 9, 13, 16, 20})
        clickTile(picture);
    for (int box : {1, 6, 10, 11})
        tick(box);
    QCOMPARE(session_->dialogs.messages.size(), 1);
    QTest::mouseClick(find<QWidget>(board(), "Command1"), Qt::LeftButton);

    QCOMPARE(session_->dialogs.messages.size(), 1); // clearing a maximum hand announces nothing
    for (int picture = 1; picture <= 23; ++picture) {
        QVERIFY(!showsSelected(picture));
        QVERIFY(!session_->state.fans.TileFlags[picture]);
    }
    for (int box = 1; box <= 10; ++box)
        QCOMPARE(find<QCheckBox>(board(), QStringLiteral("Check%1").arg(box))->checkState(),
                 Qt::Unchecked);
    QCOMPARE(find<QCheckBox>(board(), "Check11")->checkState(), Qt::Checked);
    QCOMPARE(total(), QStringLiteral(" 0"));
}

void TestForm3::coloursAreCopiedWhenTheBoardOpens()
{
    const QColor navy(0, 0, 128);
    const QColor gold(230, 190, 60);
    QWidget* form1 = session_->catalogue.window(FormId::Form1);
    session_->dialogs.colourAnswers = {navy, gold};
    find<QAction>(form1, "ForeMenu")->trigger();
    find<QAction>(form1, "BackMenu")->trigger();
    // Open already: it keeps the colours it opened with.
    QVERIFY(board()->grab().toImage().pixelColor(420, 340) != gold);

    board()->close();
    openBoard();
    const QImage image = board()->grab().toImage();
    QCOMPARE(image.pixelColor(420, 340), gold); // the board itself
    QCOMPARE(image.pixelColor(70, 210), gold);  // between two rows of tiles
    for (int label = 1; label <= 20; ++label) {
        const QPalette palette =
            find<QLabel>(board(), QStringLiteral("Label%1").arg(label))->palette();
        QCOMPARE(palette.color(QPalette::Window), gold);
        QCOMPARE(palette.color(QPalette::WindowText), navy);
    }
    for (int box = 1; box <= 10; ++box) {
        const QPalette palette =
            find<QCheckBox>(board(), QStringLiteral("Check%1").arg(box))->palette();
        QCOMPARE(palette.color(QPalette::Window), gold);
        QCOMPARE(palette.color(QPalette::WindowText), navy);
    }
    // The table box and its label describe the table and keep the standard colours.
    QVERIFY(image.pixelColor(130, 190) != gold);
    QVERIFY(find<QLabel>(board(), "Label21")->palette().color(QPalette::WindowText) != navy);
    QVERIFY(image.pixelColor(52, 16) != gold); // "CLEAR ALL"
}

void TestForm3::reopenedBoardStartsFresh()
{
    for (int picture : {2, 6, 16})
        clickTile(picture);
    tick(11);
    tick(3);
    QCOMPARE(total(), QStringLiteral(" 3"));
    board()->close();
    QVERIFY(!board());
    openBoard();
    for (int picture = 1; picture <= 23; ++picture) {
        QVERIFY(!showsSelected(picture));
        QVERIFY(!session_->state.fans.TileFlags[picture]);
    }
    QCOMPARE(find<QCheckBox>(board(), "Check11")->checkState(), Qt::Unchecked);
    QCOMPARE(total(), QStringLiteral(" 1"));
    clickTile(16);
    QVERIFY(showsSelected(16)); // one click selects: no stale flag to empty first
}

void TestForm3::choosingTheMenuAgainKeepsTheBoard()
{
    QWidget* first = board();
    clickTile(14);
    tick(5);
    openBoard();
    QCOMPARE(board(), first);
    QVERIFY(showsSelected(14));
    QCOMPARE(total(), QStringLiteral(" 3"));
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
