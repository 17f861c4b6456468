// Thousands of random clicks and keystrokes over every window, as a restless player would make
// them. After each one the windows must still agree with themselves: figures that fit their
// range, the same sheet showing the same result however it was reached, tiles that show what
// they are. A failing run names its start value; MJCALC_RANDOM_START=<value> replays it.

#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "calculator/form1.h"
#include "offscreennoise.h"
#include "testsupport.h"
#include "toolkit/picturebox.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

using namespace mjcalc;
using mjcalc::test::find;

namespace {

constexpr int kDefaultActions = 10000;
constexpr int kHighestLimit = 65536;
constexpr int kMostFlowers = 8; // four flowers and four seasons
constexpr int kMostFans = 26;   // every fan the board offers at once
constexpr int kTiles = 23;
constexpr int kFanBoxes = 11;
// A fresh window replays the sheet this often, counted in recounting clicks.
constexpr int kReplayEvery = 15;

struct MenuWindow {
    const char* item;
    std::optional<FormId> window; // none: the item shows a message instead
};

const MenuWindow kMenuItems[] = {
    {"WhatgivesMenu", FormId::Form7},   {"FancalculatorMenu", FormId::Form3},
    {"DefinitionsMenu", FormId::Form6}, {"Menuwho", FormId::Form2},
    {"MenuWhy", FormId::Form5},         {"thankusmenu", FormId::Form4},
    {"Howmenu", std::nullopt},
};

const FormId kClosableWindows[] = {FormId::Form2, FormId::Form3, FormId::Form4,
                                   FormId::Form5, FormId::Form6, FormId::Form7};

// What a player may type into the table-limit box; the empty string stands for Backspace.
const QStringList kKeys{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "5", "9", "a",
                        "x", "H", "O", " ", "-", ".", ",", "&", "e", "",  "",  "",  ""};

enum class Kind {
    TickBox,
    Flowers,
    TypeKey,
    ClearAll,
    ClearButLimit,
    Hint,
    ClickTile,
    TickFanBox,
    ClearBoard,
    BoardHint,
    OpenWindow,
    CloseWindow,
    Colour,
};

struct Weighted {
    Kind kind;
    int weight;
    bool needsBoard;
};

// Per thousand actions. Clearing is rare and "+" more likely than "--", so that between two
// clearings a sheet fills up and the flowers reach their end now and then.
const Weighted kMix[] = {
    {Kind::TickBox, 300, false},  {Kind::Flowers, 100, false},     {Kind::TypeKey, 200, false},
    {Kind::ClearAll, 5, false},   {Kind::ClearButLimit, 5, false}, {Kind::Hint, 10, false},
    {Kind::ClickTile, 140, true}, {Kind::TickFanBox, 50, true},    {Kind::ClearBoard, 5, true},
    {Kind::BoardHint, 5, true},   {Kind::OpenWindow, 60, false},   {Kind::CloseWindow, 40, false},
    {Kind::Colour, 20, false},
};
constexpr int kMoreFlowersPercent = 65;
// A tick undoes an earlier one the more often the more boxes are ticked, as a player correcting
// the sheet would; the sheet then holds about this many boxes, and rarely counts past 32 bits.
constexpr int kUsualTicks = 8;

QString boxName(int box)
{
    return QStringLiteral("Check%1").arg(box);
}

// A figure as the windows write them: a blank before zero and positive numbers, "-" before
// negative ones, no grouping, no leading zeros. Empty when the text is no such figure.
std::optional<qint64> shownFigure(const QString& text)
{
    static const QRegularExpression figure(QStringLiteral("^( (0|[1-9][0-9]*)|-[1-9][0-9]*)$"));
    if (!figure.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

quint32 startValue()
{
    bool ok = false;
    const quint32 given = qEnvironmentVariable("MJCALC_RANDOM_START").toUInt(&ok);
    if (ok)
        return given;
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
}

int actionCount()
{
    bool ok = false;
    const int given = qEnvironmentVariableIntValue("MJCALC_RANDOM_ACTIONS", &ok);
    return ok && given > 0 ? given : kDefaultActions;
}

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void randomUseKeepsEveryWindowConsistent();

private:
    // The actions, each followed by the checks only it can make.
    void tickBox();
    void stepFlowers();
    void typeKey();
    void clearAll();
    void clearButLimit();
    void hint();
    void clickTile();
    void tickFanBox();
    void clearBoard();
    void boardHint();
    void openWindow();
    void closeWindow();
    void colour();
    void perform(Kind kind);
    Kind pick();

    // The checks after every action.
    void checkMainWindow();
    void checkSheetResult();
    void checkBoard();
    void replayOnFreshWindow(const QList<int>& ticked, int flowers, int limit);

    [[nodiscard]] Form1* form1() const;
    [[nodiscard]] QWidget* board() const { return session_->catalogue.window(FormId::Form3); }
    [[nodiscard]] QString label(const QWidget* window, const QString& name) const;
    [[nodiscard]] QList<int> tickedBoxes() const;
    [[nodiscard]] int shownFlowers() const;
    [[nodiscard]] bool showsSelected(int picture) const;
    [[nodiscard]] QString boardState() const;
    void expectFirstLook(const QString& limitText);

    quint32 start_ = 0;
    int actions_ = 0;
    QRandomGenerator random_;

    std::unique_ptr<test::Session> session_;

    QColor lastConfirmed_ = Qt::black;
    std::optional<QColor> textColour_;
    std::optional<QColor> backgroundColour_;
    // The results each sheet showed, and the total each board showed, the first time seen.
    QHash<QString, QPair<QString, QString>> resultsBySheet_;
    QHash<QString, QString> totalsByBoard_;
    int recounts_ = 0;
    int sheetRepeats_ = 0;
    int boardRepeats_ = 0;
    int replays_ = 0;
    QString done_; // the action under way, for the report of a failure
};

void TestRandomUse::initTestCase()
{
    test::dropOffscreenPlatformNotices();
    start_ = startValue();
    actions_ = actionCount();
    qInfo("random start %u", start_);
}

void TestRandomUse::init()
{
    random_ = QRandomGenerator(start_);
    session_ = std::make_unique<test::Session>();
    QVERIFY(QTest::qWaitForWindowExposed(form1()));
}

void TestRandomUse::cleanup()
{
    session_.reset();
}

Form1* TestRandomUse::form1() const
{
    return qobject_cast<Form1*>(session_->catalogue.window(FormId::Form1));
}

QString TestRandomUse::label(const QWidget* window, const QString& name) const
{
    const QLabel* found = find<QLabel>(window, name);
    return found ? found->text() : QStringLiteral("<missing %1>").arg(name);
}

QList<int> TestRandomUse::tickedBoxes() const
{
    QList<int> ticked;
    for (int box = 1; box <= 72; ++box) {
        const auto* check = form1()->findChild<QCheckBox*>(boxName(box));
        if (check && check->checkState() == Qt::Checked)
            ticked << box;
    }
    return ticked;
}

int TestRandomUse::shownFlowers() const
{
    return static_cast<int>(shownFigure(label(form1(), QStringLiteral("Label36"))).value_or(0));
}

bool TestRandomUse::showsSelected(int picture) const
{
    return test::showsSelectedTile(board(), picture);
}

QString TestRandomUse::boardState() const
{
    QString state;
    for (int picture = 1; picture <= kTiles; ++picture)
        state += session_->state.fans.TileFlags[picture] ? QLatin1Char('1') : QLatin1Char('0');
    state += QLatin1Char('/');
    for (int box = 1; box <= kFanBoxes; ++box) {
        const auto* check = find<QCheckBox>(board(), boxName(box));
        state += check && check->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    }
    return state;
}

Kind TestRandomUse::pick()
{
    const bool boardOpen = board() != nullptr;
    int total = 0;
    for (const Weighted& entry : kMix)
        total += !entry.needsBoard || boardOpen ? entry.weight : 0;
    int draw = random_.bounded(total);
    for (const Weighted& entry : kMix) {
        if (entry.needsBoard && !boardOpen)
            continue;
        if (draw < entry.weight)
            return entry.kind;
        draw -= entry.weight;
    }
    return Kind::TickBox;
}

void TestRandomUse::perform(Kind kind)
{
    switch (kind) {
    case Kind::TickBox:
        return tickBox();
    case Kind::Flowers:
        return stepFlowers();
    case Kind::TypeKey:
        return typeKey();
    case Kind::ClearAll:
        return clearAll();
    case Kind::ClearButLimit:
        return clearButLimit();
    case Kind::Hint:
        return hint();
    case Kind::ClickTile:
        return clickTile();
    case Kind::TickFanBox:
        return tickFanBox();
    case Kind::ClearBoard:
        return clearBoard();
    case Kind::BoardHint:
        return boardHint();
    case Kind::OpenWindow:
        return openWindow();
    case Kind::CloseWindow:
        return closeWindow();
    case Kind::Colour:
        return colour();
    }
}

void TestRandomUse::tickBox()
{
    const QList<int> ticked = tickedBoxes();
    int box = 0;
    if (!ticked.isEmpty() &&
        random_.bounded(static_cast<int>(ticked.size()) + kUsualTicks) < ticked.size()) {
        box = ticked[random_.bounded(static_cast<int>(ticked.size()))];
    } else {
        do
            box = random_.bounded(1, 73);
        while (box == 51);
    }
    done_ = QStringLiteral("click %1").arg(boxName(box));
    test::click(form1(), boxName(box));
    checkSheetResult();
}

void TestRandomUse::stepFlowers()
{
    const QString button = random_.bounded(100) < kMoreFlowersPercent ? QStringLiteral("Command5")
                                                                      : QStringLiteral("Command4");
    done_ = QStringLiteral("click %1").arg(button);
    test::click(form1(), button);
    checkSheetResult();
}

void TestRandomUse::typeKey()
{
    auto* text1 = find<QLineEdit>(form1(), QStringLiteral("Text1"));
    QString key = kKeys[random_.bounded(static_cast<int>(kKeys.size()))];
    // Long texts are mostly erased again, as a player fixing a typo would.
    if (text1->text().size() > 10 && random_.bounded(2))
        key.clear();
    done_ =
        QStringLiteral("type %1 after \"%2\"")
            .arg(key.isEmpty() ? QStringLiteral("Backspace") : QStringLiteral("\"%1\"").arg(key),
                 text1->text());
    if (key.isEmpty())
        QTest::keyClick(text1, Qt::Key_Backspace);
    else
        QTest::keyClicks(text1, key);
}

void TestRandomUse::expectFirstLook(const QString& limitText)
{
    for (const QCheckBox* box : form1()->findChildren<QCheckBox*>())
        QVERIFY2(box->checkState() == Qt::Unchecked, qPrintable(box->objectName()));
    auto* text1 = find<QLineEdit>(form1(), QStringLiteral("Text1"));
    QCOMPARE(text1->text(), limitText);
    for (const char* name : {"Label36", "Label37", "Label38"})
        QCOMPARE(label(form1(), QString::fromLatin1(name)), QString());
    QCOMPARE(form1()->focusWidget(), text1);
}

void TestRandomUse::clearAll()
{
    done_ = QStringLiteral("click Command6 (Clear ALL)");
    const qsizetype messages = session_->dialogs.messages.size();
    test::click(form1(), QStringLiteral("Command6"));
    expectFirstLook(QString());
    QCOMPARE(session_->state.points.TableLimit, 0);
    QCOMPARE(session_->dialogs.messages.size(), messages);
}

void TestRandomUse::clearButLimit()
{
    done_ = QStringLiteral("click Command7 (Clear all BUT table limit)");
    const QString limitText = find<QLineEdit>(form1(), QStringLiteral("Text1"))->text();
    const std::int32_t limit = session_->state.points.TableLimit;
    const qsizetype messages = session_->dialogs.messages.size();
    test::click(form1(), QStringLiteral("Command7"));
    expectFirstLook(limitText);
    QCOMPARE(session_->state.points.TableLimit, limit);
    QCOMPARE(session_->dialogs.messages.size(), messages);
}

void TestRandomUse::hint()
{
    const QString button = QStringLiteral("Command%1").arg(random_.bounded(1, 4));
    done_ = QStringLiteral("click %1 (hint)").arg(button);
    const QList<int> ticked = tickedBoxes();
    const QString payout = label(form1(), QStringLiteral("Label37"));
    const QString worth = label(form1(), QStringLiteral("Label38"));
    const qsizetype messages = session_->dialogs.messages.size();
    test::click(form1(), button);
    // A hint only talks: one message, and the sheet as it was.
    QCOMPARE(session_->dialogs.messages.size(), messages + 1);
    QCOMPARE(session_->dialogs.messages.last().icon, MessageIcon::Warning);
    QCOMPARE(tickedBoxes(), ticked);
    QCOMPARE(label(form1(), QStringLiteral("Label37")), payout);
    QCOMPARE(label(form1(), QStringLiteral("Label38")), worth);
}

void TestRandomUse::clickTile()
{
    const int picture = random_.bounded(1, kTiles + 1);
    done_ = QStringLiteral("click Picture%1").arg(picture);
    auto* tile = find<QWidget>(board(), QStringLiteral("Picture%1").arg(picture));
    const bool wasSelected = showsSelected(picture);
    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(10, 10));
    // Whatever else a click does to its row, it flips the tile clicked.
    QCOMPARE(showsSelected(picture), !wasSelected);
}

void TestRandomUse::tickFanBox()
{
    const int box = random_.bounded(1, kFanBoxes + 1);
    done_ = QStringLiteral("click %1 on the board").arg(boxName(box));
    test::click(board(), boxName(box));
}

void TestRandomUse::clearBoard()
{
    done_ = QStringLiteral("click Command1 (CLEAR ALL) on the board");
    const auto* tableBox = find<QCheckBox>(board(), boxName(kFanBoxes));
    const bool noFlowerTable = tableBox->isChecked();
    test::click(board(), QStringLiteral("Command1"));
    for (int picture = 1; picture <= kTiles; ++picture)
        QVERIFY2(!showsSelected(picture), qPrintable(QStringLiteral("Picture%1").arg(picture)));
    for (int box = 1; box < kFanBoxes; ++box)
        QVERIFY2(!find<QCheckBox>(board(), boxName(box))->isChecked(), qPrintable(boxName(box)));
    // The no-flowers box describes the table, not the hand, so it stays.
    QCOMPARE(tableBox->isChecked(), noFlowerTable);
}

void TestRandomUse::boardHint()
{
    done_ = QStringLiteral("click Command2 (hint) on the board");
    const QString before = boardState();
    const qsizetype messages = session_->dialogs.messages.size();
    test::click(board(), QStringLiteral("Command2"));
    QCOMPARE(session_->dialogs.messages.size(), messages + 1);
    QCOMPARE(boardState(), before);
}

void TestRandomUse::openWindow()
{
    const MenuWindow& item = kMenuItems[random_.bounded(static_cast<int>(std::size(kMenuItems)))];
    const QString name = QString::fromLatin1(item.item);
    QWidget* before = item.window ? session_->catalogue.window(*item.window) : nullptr;
    done_ = QStringLiteral("choose %1%2").arg(name, before ? QStringLiteral(" (open)") : QString());
    const qsizetype messages = session_->dialogs.messages.size();
    auto* action = find<QAction>(form1(), name);
    QVERIFY2(action, qPrintable(name));
    action->trigger();
    if (!item.window) {
        QCOMPARE(session_->dialogs.messages.size(), messages + 1);
        return;
    }
    QWidget* opened = session_->catalogue.window(*item.window);
    QVERIFY2(opened && opened->isVisible(), qPrintable(name));
    // An open window is brought forward, never built again.
    if (before)
        QCOMPARE(opened, before);
    if (!before && *item.window == FormId::Form3) {
        // A new board starts with nothing selected and the main window's colours.
        for (int picture = 1; picture <= kTiles; ++picture)
            QVERIFY(!showsSelected(picture));
        const QPalette palette = find<QLabel>(opened, QStringLiteral("Label1"))->palette();
        if (textColour_)
            QCOMPARE(palette.color(QPalette::WindowText), *textColour_);
        if (backgroundColour_)
            QCOMPARE(palette.color(QPalette::Window), *backgroundColour_);
    }
}

void TestRandomUse::closeWindow()
{
    QList<FormId> open;
    for (FormId id : kClosableWindows) {
        if (session_->catalogue.window(id))
            open << id;
    }
    if (open.isEmpty()) {
        done_ = QStringLiteral("nothing to close");
        return;
    }
    const FormId id = open[random_.bounded(static_cast<int>(open.size()))];
    QWidget* window = session_->catalogue.window(id);
    const QString name = window->objectName();
    // Sometimes the closed window is still waiting to be deleted when it is opened again.
    const bool deleteAtOnce = random_.bounded(2);
    done_ = QStringLiteral("close %1%2")
                .arg(name, deleteAtOnce ? QStringLiteral(" and delete it") : QString());
    QVERIFY(window->close());
    QVERIFY2(!session_->catalogue.window(id), qPrintable(name));
    if (deleteAtOnce)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestRandomUse::colour()
{
    const bool text = random_.bounded(2);
    const QString item = text ? QStringLiteral("ForeMenu") : QStringLiteral("BackMenu");
    std::optional<QColor> answer;
    if (random_.bounded(3))
        answer = QColor::fromRgb(random_.generate() & 0xFFFFFFu);
    done_ = QStringLiteral("choose %1, answer %2")
                .arg(item, answer ? answer->name() : QStringLiteral("Cancel"));
    session_->dialogs.colourAnswers.append(answer);
    const qsizetype asked = session_->dialogs.preselectedColours.size();
    const QPalette::ColorRole role = text ? QPalette::WindowText : QPalette::Window;
    const QColor before = find<QLabel>(form1(), QStringLiteral("Label3"))->palette().color(role);

    find<QAction>(form1(), item)->trigger();

    QCOMPARE(session_->dialogs.preselectedColours.size(), asked + 1);
    QVERIFY(session_->dialogs.colourAnswers.isEmpty());
    // Both commands open on the colour last confirmed in either of them.
    QCOMPARE(session_->dialogs.preselectedColours.last(), lastConfirmed_);
    const QColor after = find<QLabel>(form1(), QStringLiteral("Label3"))->palette().color(role);
    if (answer) {
        lastConfirmed_ = *answer;
        (text ? textColour_ : backgroundColour_) = *answer;
        QCOMPARE(after, *answer);
    } else {
        QCOMPARE(after, before);
    }
}

void TestRandomUse::checkMainWindow()
{
    QVERIFY(form1());
    QVERIFY(form1()->isVisible());
    const std::int32_t limit = session_->state.points.TableLimit;
    QVERIFY2(limit >= 0 && limit <= kHighestLimit, qPrintable(QString::number(limit)));

    const QString flowers = label(form1(), QStringLiteral("Label36"));
    if (!flowers.isEmpty()) {
        const std::optional<qint64> count = shownFigure(flowers);
        QVERIFY2(count && *count >= 1 && *count <= kMostFlowers, qPrintable(flowers));
    }

    const QString payoutText = label(form1(), QStringLiteral("Label37"));
    const QString worthText = label(form1(), QStringLiteral("Label38"));
    // The two results are shown and cleared together.
    QCOMPARE(payoutText.isEmpty(), worthText.isEmpty());
    if (worthText.isEmpty())
        return;
    const std::optional<qint64> payout = shownFigure(payoutText);
    const std::optional<qint64> worth = shownFigure(worthText);
    QVERIFY2(payout, qPrintable(payoutText));
    QVERIFY2(worth, qPrintable(worthText));
    // No box takes points away and the limit is never negative, so a negative worth can only
    // be a wrapped count; a payout is at most six times the highest limit.
    QVERIFY2(*worth >= 0 && *worth <= std::numeric_limits<std::int32_t>::max(),
             qPrintable(worthText));
    QVERIFY2(*payout >= 0 && *payout <= 6 * qint64(kHighestLimit), qPrintable(payoutText));
    QVERIFY2(*payout <= 6 * *worth, qPrintable(payoutText + QStringLiteral(" for") + worthText));
}

// After a click that recounts, the result depends on the sheet alone, not on the way there.
void TestRandomUse::checkSheetResult()
{
    const std::int32_t limit = session_->state.points.TableLimit;
    if (limit == 0) // no limit yet, or 0 typed: counting is paused
        return;
    ++recounts_;
    const QList<int> ticked = tickedBoxes();
    const int flowers = shownFlowers();
    QStringList parts;
    for (int box : ticked)
        parts << QString::number(box);
    const QString sheet = QStringLiteral("boxes %1, flowers %2, limit %3")
                              .arg(parts.join(u','))
                              .arg(flowers)
                              .arg(limit);
    const QPair<QString, QString> shown{label(form1(), QStringLiteral("Label37")),
                                        label(form1(), QStringLiteral("Label38"))};
    const auto seen = resultsBySheet_.constFind(sheet);
    if (seen == resultsBySheet_.constEnd()) {
        resultsBySheet_.insert(sheet, shown);
    } else {
        ++sheetRepeats_;
        QVERIFY2(*seen == shown,
                 qPrintable(QStringLiteral("%1 showed %2/%3, now %4/%5")
                                .arg(sheet, seen->first, seen->second, shown.first, shown.second)));
    }
    if (recounts_ % kReplayEvery == 0)
        replayOnFreshWindow(ticked, flowers, limit);
}

// The same sheet filled in on a new window in another order must show the same results.
void TestRandomUse::replayOnFreshWindow(const QList<int>& ticked, int flowers, int limit)
{
    ++replays_;
    QStringList steps;
    for (int box : ticked)
        steps << boxName(box);
    for (int flower = 0; flower < flowers; ++flower)
        steps << QStringLiteral("Command5");
    std::shuffle(steps.begin(), steps.end(), random_);

    PointsState state;
    test::RecordingDialogs dialogs;
    Form1 fresh(state, dialogs);
    fresh.show();
    QTest::keyClicks(find<QLineEdit>(&fresh, QStringLiteral("Text1")), QString::number(limit));
    for (const QString& step : std::as_const(steps))
        test::click(&fresh, step);

    const QString context = QStringLiteral("replayed in the order %1 with limit %2")
                                .arg(steps.join(QLatin1Char(' ')))
                                .arg(limit);
    QVERIFY2(label(&fresh, QStringLiteral("Label37")) == label(form1(), QStringLiteral("Label37")),
             qPrintable(context));
    QVERIFY2(label(&fresh, QStringLiteral("Label38")) == label(form1(), QStringLiteral("Label38")),
             qPrintable(context));
    QCOMPARE(label(&fresh, QStringLiteral("Label36")), label(form1(), QStringLiteral("Label36")));
}

void TestRandomUse::checkBoard()
{
    if (!board())
        return;
    for (int picture = 1; picture <= kTiles; ++picture) {
        const QString name = QStringLiteral("Picture%1").arg(picture);
        const bool selected = showsSelected(picture); // fails on a tile showing neither image
        QVERIFY2(selected == session_->state.fans.TileFlags[picture],
                 qPrintable(name + QStringLiteral(" shows another state than its flag")));
    }

    const QString total = label(board(), QStringLiteral("Label8"));
    const std::optional<qint64> fans = shownFigure(total);
    QVERIFY2(fans && *fans >= 0 && *fans <= kMostFans, qPrintable(total));

    const QString state = boardState();
    const auto seen = totalsByBoard_.constFind(state);
    if (seen == totalsByBoard_.constEnd()) {
        totalsByBoard_.insert(state, total);
    } else {
        ++boardRepeats_;
        QVERIFY2(*seen == total,
                 qPrintable(QStringLiteral("board %1 showed %2, now %3").arg(state, *seen, total)));
    }
}

void TestRandomUse::randomUseKeepsEveryWindowConsistent()
{
    QElapsedTimer clock;
    clock.start();
    QStringList recent;
    for (int action = 1; action <= actions_; ++action) {
        done_.clear();
        perform(pick());
        if (!QTest::currentTestFailed())
            checkMainWindow();
        if (!QTest::currentTestFailed())
            checkBoard();
        recent << QStringLiteral("%1: %2").arg(action).arg(done_);
        if (recent.size() > 25)
            recent.removeFirst();
        if (QTest::currentTestFailed()) {
            qWarning("failed at action %d of %d; replay with MJCALC_RANDOM_START=%u\n%s", action,
                     actions_, start_, qPrintable(recent.join(QLatin1Char('\n'))));
            return;
        }
        QCoreApplication::processEvents();
    }
    qInfo("%d actions in %lld ms: %d recounts, %d sheets seen again, %d replayed on a fresh "
          "window, %d boards seen again, %lld messages answered",
          actions_, static_cast<long long>(clock.elapsed()), recounts_, sheetRepeats_, replays_,
          boardRepeats_, static_cast<long long>(session_->dialogs.messages.size()));
    // A long run that never counted a hand, replayed one or saw a board twice would have passed
    // without checking much; short runs asked for by hand may well miss some of these.
    if (actions_ >= kDefaultActions) {
        QVERIFY(recounts_ > 0);
        QVERIFY(replays_ > 0);
        QVERIFY(boardRepeats_ > 0);
    }
}

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
