#include "calculator/form1.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace mjcalc;
using mjcalc::test::click;
using mjcalc::test::find;

namespace {

const QString kTypo = QStringLiteral("You made a typo, mahjongaddict");
const QString kTooHigh = QStringLiteral("limit is toooooooo high");
const QString kHonorHint = QStringLiteral(
    "If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed pong/kong "
    "dragon/seat or prevailing wind (on the right side)!");
const QString kWorthlessHint =
    QStringLiteral("This does not aply when you have a pair of dragons or prevailing/seat winds !");
const QString kTitle = QStringLiteral("MJ Calculator");

QString boxName(int box)
{
    return QStringLiteral("Check%1").arg(box);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitWhereTheSheetDrawsThem_data();
    void controlsSitWhereTheSheetDrawsThem();
    void sheetHasEveryBoxWithItsHiddenName();
    void tabOrderFollowsTheSheet();
    void boxesHaveSpokenNames_data();
    void boxesHaveSpokenNames();

    void resultsShowAtOnce_data();
    void resultsShowAtOnce();
    void nothingShowsWithoutALimit();
    void untickingRestoresTheResult();
    void programChangesRecountLikeClicks();
    void greyedBoxScoresNothing();
    void typingPastTheHighestLimit();
    void typos_data();
    void typos();
    void emptyingTheBoxKeepsTheLimit();
    void typingZeroKeepsTheResult();
    void flowerButtonsStopAtTheirEnds();
    void hints_data();
    void hints();
    void overflowFromABoxEmptiesTheResults();
    void overflowFromTheLimitIsNotATypo();
    void hoveringTheResultsExplainsThem();
    void clearingButTheLimit();
    void clearingAll_data();
    void clearingAll();

private:
    void type(const QString& keys);
    void tick(const QList<int>& boxes);
    [[nodiscard]] QString labelText(const QString& name) const;

    std::unique_ptr<PointsState> state_;
    std::unique_ptr<test::RecordingDialogs> dialogs_;
    std::unique_ptr<Form1> form_;
};

void TestForm1::init()
{
    state_ = std::make_unique<PointsState>();
    dialogs_ = std::make_unique<test::RecordingDialogs>();
    form_ = std::make_unique<Form1>(*state_, *dialogs_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestForm1::cleanup()
{
    form_.reset();
    dialogs_.reset();
    state_.reset();
}

void TestForm1::type(const QString& keys)
{
    QTest::keyClicks(find<QLineEdit>(form_.get(), QStringLiteral("Text1")), keys);
}

void TestForm1::tick(const QList<int>& boxes)
{
    for (int box : boxes)
        click(form_.get(), boxName(box));
}

QString TestForm1::labelText(const QString& name) const
{
    const QLabel* label = find<QLabel>(form_.get(), name);
    return label ? label->text() : QStringLiteral("<missing>");
}

void TestForm1::controlsSitWhereTheSheetDrawsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption");
    // Twips from the sheet's drawing divided by 15, worked out by hand.
    QTest::newRow("table limit box") << "Text1" << QRect(72, 16, 65, 19) << "";
    QTest::newRow("east box") << "Check1" << QRect(240, 16, 17, 17) << "Check1";
    QTest::newRow("payout") << "Label37" << QRect(336, 16, 73, 17) << "";
    QTest::newRow("hand's worth caption")
        << "Label3" << QRect(416, 16, 97, 17) << "Your hand is worth";
    QTest::newRow("hand's worth") << "Label38" << QRect(528, 16, 80, 17) << "";
    QTest::newRow("double blank kept")
        << "Label11" << QRect(8, 208, 193, 17) << "open kong  1 or 9";
    QTest::newRow("fourth box of a row") << "Check41" << QRect(256, 288, 17, 17) << "Check41";
    QTest::newRow("first hint") << "Command1" << QRect(280, 288, 17, 17) << "?";
    QTest::newRow("last left box") << "Check53" << QRect(208, 416, 17, 17) << "Check53";
    QTest::newRow("worthless hint") << "Command3" << QRect(552, 80, 17, 17) << "?";
    QTest::newRow("fewer flowers") << "Command4" << QRect(528, 248, 17, 17) << "--";
    QTest::newRow("flower count") << "Label36" << QRect(552, 248, 17, 17) << "";
    QTest::newRow("more flowers") << "Command5" << QRect(576, 248, 17, 17) << "+";
    QTest::newRow("dragon pongs caption")
        << "Label31" << QRect(312, 328, 209, 17) << "closed pong/kong dragons";
    QTest::newRow("third dragon box") << "Check67" << QRect(560, 328, 17, 17) << "Check67";
    QTest::newRow("pong of dragons caption")
        << "Label35" << QRect(312, 384, 209, 17) << "MJ on a PONG of dragons/prev /seat wind";
    QTest::newRow("last box") << "Check72" << QRect(528, 432, 17, 17) << "Check72";
    QTest::newRow("clear all") << "Command6" << QRect(24, 448, 81, 17) << "Clear ALL";
    QTest::newRow("clear but limit")
        << "Command7" << QRect(160, 448, 129, 17) << "Clear all BUT table limit";
    QTest::newRow("divider") << "Line1" << QRect(304, 56, 1, 409) << "";
}

void TestForm1::controlsSitWhereTheSheetDrawsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    test::verifyPlacement(form_.get(), name, pixels, caption);
    QCOMPARE(find<QWidget>(form_.get(), name)->parentWidget(), form_->centralWidget());
}

void TestForm1::sheetHasEveryBoxWithItsHiddenName()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("V! Mah-Jongg Calculator"));
    QCOMPARE(form_->centralWidget()->size(), QSize(608, 473));
    const QList<QCheckBox*> boxes = form_->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 71);
    QVERIFY(!form_->findChild<QCheckBox*>(boxName(51)));
    for (const QCheckBox* box : boxes) {
        QCOMPARE(box->text(), box->objectName());
        QCOMPARE(box->checkState(), Qt::Unchecked);
        QCOMPARE(box->size(), QSize(17, 17));
    }
    QCOMPARE(form_->findChildren<QLabel*>().size(), 37);
    QVERIFY(!form_->findChild<QLabel*>(QStringLiteral("Label18")));
}

void TestForm1::tabOrderFollowsTheSheet()
{
    QStringList expected{QStringLiteral("Text1")};
    const auto boxes = [&](int first, int last) {
        for (int box = first; box <= last; ++box) {
            if (box != 51)
                expected << boxName(box);
        }
    };
    boxes(1, 53);
    expected << QStringLiteral("Command1") << QStringLiteral("Command2");
    boxes(54, 55);
    expected << QStringLiteral("Command3");
    boxes(56, 60);
    expected << QStringLiteral("Command4") << QStringLiteral("Command5");
    boxes(61, 72);
    expected << QStringLiteral("Command6") << QStringLiteral("Command7");

    QWidget* text1 = find<QWidget>(form_.get(), QStringLiteral("Text1"));
    QCOMPARE(QApplication::focusWidget(), text1);
    QStringList visited;
    QWidget* widget = text1;
    do {
        visited << widget->objectName();
        QTest::keyClick(widget, Qt::Key_Tab);
        widget = QApplication::focusWidget();
    } while (widget && widget != text1 && visited.size() <= expected.size());
    QCOMPARE(visited, expected);
}

void TestForm1::boxesHaveSpokenNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("east") << "Check1"
                          << "Check when East";
    QTest::newRow("first meld") << "Check38"
                                << "closed pong honor, meld 1 of 4";
    QTest::newRow("fourth meld") << "Check41"
                                 << "closed pong honor, meld 4 of 4";
    QTest::newRow("single box") << "Check50"
                                << "pair of dragons/prev./seatwind";
    QTest::newRow("right single box") << "Check55"
                                      << "worthless hand";
    QTest::newRow("second own flower") << "Check62"
                                       << "FA from own seat, 2 of 2";
    QTest::newRow("third dragon") << "Check67"
                                  << "closed pong/kong dragons, 3 of 3";
    QTest::newRow("table limit") << "Text1"
                                 << "Table limit";
}

void TestForm1::boxesHaveSpokenNames()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    const QWidget* widget = find<QWidget>(form_.get(), name);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), spoken);
}

void TestForm1::resultsShowAtOnce_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<QString>("payout");
    QTest::addColumn<QString>("worth");
    QTest::newRow("one closed honor pong") << "500" << QList<int>{38} << 0 << " 112"
                                           << " 28";
    QTest::newRow("nothing ticked") << "500" << QList<int>{} << 0 << " 80"
                                    << " 20";
    QTest::newRow("nothing ticked, East") << "500" << QList<int>{1} << 0 << " 120"
                                          << " 20";
    QTest::newRow("limit hand capped") << "500" << QList<int>{59, 61} << 2 << " 2000"
                                       << " 1016";
    QTest::newRow("limit hand capped, East") << "500" << QList<int>{1, 59, 61} << 2 << " 3000"
                                             << " 1016";
    QTest::newRow("limit below the base") << "10" << QList<int>{} << 0 << " 40"
                                          << " 20";
    QTest::newRow("three flowers") << "1000" << QList<int>{} << 3 << " 128"
                                   << " 32";
    QTest::newRow("highest limit, highest hand")
        << "65536" << QList<int>{1, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70} << 0 << " 393216"
        << " 1073741824";
}

void TestForm1::resultsShowAtOnce()
{
    QFETCH(QString, limit);
    QFETCH(QList<int>, ticked);
    QFETCH(int, flowers);
    QFETCH(QString, payout);
    QFETCH(QString, worth);
    type(limit);
    tick(ticked);
    for (int i = 0; i < flowers; ++i)
        click(form_.get(), QStringLiteral("Command5"));
    QCOMPARE(labelText(QStringLiteral("Label37")), payout);
    QCOMPARE(labelText(QStringLiteral("Label38")), worth);
    QVERIFY(dialogs_->messages.isEmpty());
}

void TestForm1::nothingShowsWithoutALimit()
{
    tick({1, 38});
    click(form_.get(), QStringLiteral("Command5"));
    QCOMPARE(labelText(QStringLiteral("Label37")), QString());
    QCOMPARE(labelText(QStringLiteral("Label38")), QString());
    QCOMPARE(labelText(QStringLiteral("Label36")), QStringLiteral(" 1"));
}

void TestForm1::untickingRestoresTheResult()
{
    type(QStringLiteral("500"));
    tick({2, 57});
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 176"));
    tick({57});
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 88"));
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 22"));
}

void TestForm1::programChangesRecountLikeClicks()
{
    find<QLineEdit>(form_.get(), QStringLiteral("Text1"))->setText(QStringLiteral("500"));
    QCOMPARE(state_->TableLimit, 500);
    find<QCheckBox>(form_.get(), boxName(38))->setChecked(true);
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 112"));
    find<QCheckBox>(form_.get(), boxName(38))->setChecked(false);
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 80"));
}

void TestForm1::greyedBoxScoresNothing()
{
    type(QStringLiteral("500"));
    find<QCheckBox>(form_.get(), boxName(38))->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 20"));
}

void TestForm1::typingPastTheHighestLimit()
{
    QLineEdit* text1 = find<QLineEdit>(form_.get(), QStringLiteral("Text1"));
    const QList<std::pair<char, int>> keystrokes{{'7', 7}, {'0', 70}, {'0', 700}, {'0', 7000}};
    for (const auto& [key, limit] : keystrokes) {
        QTest::keyClick(text1, key);
        QCOMPARE(state_->TableLimit, limit);
    }
    QVERIFY(dialogs_->messages.isEmpty());
    QTest::keyClick(text1, '0');
    QCOMPARE(dialogs_->messages,
             (QList<Message>{{kTooHigh, MessageIcon::Error, kTitle, form_.get()}}));
    QCOMPARE(text1->text(), QStringLiteral(" 65536"));
    QCOMPARE(state_->TableLimit, 65536);
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 80"));

    // Nothing above the highest limit slips in behind a thousands separator either.
    text1->clear();
    QTest::keyClicks(text1, QStringLiteral("70,000"));
    QCOMPARE(dialogs_->messages.size(), 2);
    QCOMPARE(dialogs_->messages.last().text, kTooHigh);
    QCOMPARE(state_->TableLimit, 65536);
}

void TestForm1::typos_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("typos");
    QTest::addColumn<int>("limit");
    QTest::newRow("a letter") << "a" << 1 << 0;
    QTest::newRow("digits then a letter") << "12x" << 1 << 12;
    QTest::newRow("negative limit") << "-5" << 2 << 0;
    QTest::newRow("blank") << " " << 1 << 0;
}

void TestForm1::typos()
{
    QFETCH(QString, keys);
    QFETCH(int, typos);
    QFETCH(int, limit);
    type(keys);
    QCOMPARE(dialogs_->messages.size(), typos);
    for (const Message& message : std::as_const(dialogs_->messages))
        QCOMPARE(message, (Message{kTypo, MessageIcon::Warning, kTitle, form_.get()}));
    QCOMPARE(state_->TableLimit, limit);
    const QString shown = limit ? QStringLiteral(" 20") : QString();
    QCOMPARE(labelText(QStringLiteral("Label38")), shown);
}

void TestForm1::emptyingTheBoxKeepsTheLimit()
{
    type(QStringLiteral("500"));
    QLineEdit* text1 = find<QLineEdit>(form_.get(), QStringLiteral("Text1"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(text1, Qt::Key_Backspace);
    QCOMPARE(text1->text(), QString());
    QCOMPARE(state_->TableLimit, 5);
    tick({38});
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 20"));
    QVERIFY(dialogs_->messages.isEmpty());
}

void TestForm1::typingZeroKeepsTheResult()
{
    type(QStringLiteral("500"));
    tick({38});
    QLineEdit* text1 = find<QLineEdit>(form_.get(), QStringLiteral("Text1"));
    text1->selectAll();
    QTest::keyClick(text1, '0');
    QCOMPARE(state_->TableLimit, 0);
    tick({39});
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 112"));
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 28"));
}

void TestForm1::flowerButtonsStopAtTheirEnds()
{
    type(QStringLiteral("1000"));
    click(form_.get(), QStringLiteral("Command4"));
    QCOMPARE(labelText(QStringLiteral("Label36")), QString());
    QCOMPARE(state_->FlowerCount, 0);
    for (int i = 0; i < 9; ++i)
        click(form_.get(), QStringLiteral("Command5"));
    QCOMPARE(state_->FlowerCount, 8);
    QCOMPARE(labelText(QStringLiteral("Label36")), QStringLiteral(" 8"));
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 52"));
    for (int i = 0; i < 8; ++i)
        click(form_.get(), QStringLiteral("Command4"));
    QCOMPARE(labelText(QStringLiteral("Label36")), QString());
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 20"));
}

void TestForm1::hints_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("closed honor pong") << "Command1" << kHonorHint;
    QTest::newRow("closed honor kong") << "Command2" << kHonorHint;
    QTest::newRow("worthless hand") << "Command3" << kWorthlessHint;
}

void TestForm1::hints()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    type(QStringLiteral("500"));
    click(form_.get(), button);
    QCOMPARE(dialogs_->messages,
             (QList<Message>{{text, MessageIcon::Warning, kTitle, form_.get()}}));
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 20"));
}

void TestForm1::overflowFromABoxEmptiesTheResults()
{
    type(QStringLiteral("65536"));
    tick({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70});
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 1073741824"));
    QVERIFY(dialogs_->messages.isEmpty());

    tick({71});
    QCOMPARE(dialogs_->messages.size(), 1);
    QCOMPARE(dialogs_->messages.first().icon, MessageIcon::Error);
    QCOMPARE(dialogs_->messages.first().title, kTitle);
    QVERIFY(dialogs_->messages.first().text.contains(QStringLiteral("too large to count")));
    QCOMPARE(labelText(QStringLiteral("Label37")), QString());
    QCOMPARE(labelText(QStringLiteral("Label38")), QString());
    QCOMPARE(state_->HandPoints, 1073741824);

    // The flower buttons recount too, and must not bring back a wrapped figure.
    click(form_.get(), QStringLiteral("Command5"));
    QCOMPARE(dialogs_->messages.size(), 2);
    QCOMPARE(labelText(QStringLiteral("Label38")), QString());

    tick({71});
    click(form_.get(), QStringLiteral("Command4"));
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 1073741824"));
}

void TestForm1::overflowFromTheLimitIsNotATypo()
{
    // An all-honors hand with every second doubling is the limit times 65536.
    type(QStringLiteral("4"));
    tick({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72});
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 262144"));
    type(QStringLiteral("000"));
    QCOMPARE(labelText(QStringLiteral("Label38")), QStringLiteral(" 262144000"));
    QVERIFY(dialogs_->messages.isEmpty());

    type(QStringLiteral("0"));
    QCOMPARE(state_->TableLimit, 40000);
    QCOMPARE(dialogs_->messages.size(), 1);
    QCOMPARE(dialogs_->messages.first().icon, MessageIcon::Error);
    QVERIFY(dialogs_->messages.first().text.contains(QStringLiteral("too large to count")));
    QCOMPARE(labelText(QStringLiteral("Label37")), QString());
    QCOMPARE(labelText(QStringLiteral("Label38")), QString());
}

void TestForm1::hoveringTheResultsExplainsThem()
{
    type(QStringLiteral("500"));
    tick({59, 61});
    click(form_.get(), QStringLiteral("Command5"));
    click(form_.get(), QStringLiteral("Command5"));
    QLabel* worth = find<QLabel>(form_.get(), QStringLiteral("Label38"));
    QCOMPARE(worth->text(), QStringLiteral(" 1016"));
    const QString shown = test::hoverToolTip(worth);
    for (const char* part : {"all terminals: limit hand", "flowers and seasons", "FA from own seat",
                             "1016", "Capped at the table limit", "Not East", "2000"})
        QVERIFY2(shown.contains(QLatin1String(part)), part);
    QCOMPARE(test::hoverToolTip(find<QLabel>(form_.get(), QStringLiteral("Label37"))), shown);
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 2000"));

    tick({62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72});
    QLineEdit* text1 = find<QLineEdit>(form_.get(), QStringLiteral("Text1"));
    text1->selectAll();
    QTest::keyClicks(text1, QStringLiteral("65536"));
    QCOMPARE(dialogs_->messages.size(), 1);
    QVERIFY(test::hoverToolTip(worth).contains(QLatin1String("The count stops here")));

    click(form_.get(), QStringLiteral("Command7"));
    QCOMPARE(test::hoverToolTip(worth), QString());
}

void TestForm1::clearingButTheLimit()
{
    type(QStringLiteral("500"));
    tick({1, 38, 57, 72});
    click(form_.get(), QStringLiteral("Command5"));
    click(form_.get(), QStringLiteral("Command5"));
    click(form_.get(), QStringLiteral("Command5"));
    find<QCheckBox>(form_.get(), boxName(40))->setCheckState(Qt::PartiallyChecked);
    QVERIFY(!labelText(QStringLiteral("Label37")).isEmpty());

    click(form_.get(), QStringLiteral("Command7"));
    for (const QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        // Only ticked boxes are cleared; a greyed one is left as it is.
        const Qt::CheckState expected =
            box->objectName() == boxName(40) ? Qt::PartiallyChecked : Qt::Unchecked;
        QCOMPARE(box->checkState(), expected);
    }
    QCOMPARE(find<QLineEdit>(form_.get(), QStringLiteral("Text1"))->text(), QStringLiteral("500"));
    QCOMPARE(state_->TableLimit, 500);
    QCOMPARE(state_->FlowerCount, 0);
    QCOMPARE(state_->HandPoints, 20);
    for (const char* label : {"Label36", "Label37", "Label38"})
        QCOMPARE(labelText(QString::fromLatin1(label)), QString());
    QCOMPARE(QApplication::focusWidget(), find<QWidget>(form_.get(), QStringLiteral("Text1")));
    QVERIFY(dialogs_->messages.isEmpty());

    // The kept limit counts the next hand at once, as a player who is not East.
    tick({38});
    QCOMPARE(labelText(QStringLiteral("Label37")), QStringLiteral(" 112"));
    click(form_.get(), QStringLiteral("Command4"));
    QCOMPARE(labelText(QStringLiteral("Label36")), QString());
    QCOMPARE(state_->FlowerCount, 0);
}

void TestForm1::clearingAll_data()
{
    QTest::addColumn<QString>("limitText");
    QTest::addColumn<int>("messagesBefore");
    QTest::newRow("after a result") << "500" << 0;
    QTest::newRow("after a typo") << "12x" << 1;
    QTest::newRow("with nothing typed") << "" << 0;
}

void TestForm1::clearingAll()
{
    QFETCH(QString, limitText);
    QFETCH(int, messagesBefore);
    type(limitText);
    tick({1, 38});
    click(form_.get(), QStringLiteral("Command5"));
    QCOMPARE(dialogs_->messages.size(), messagesBefore);

    click(form_.get(), QStringLiteral("Command6"));
    QCOMPARE(dialogs_->messages.size(), messagesBefore);
    QCOMPARE(find<QLineEdit>(form_.get(), QStringLiteral("Text1"))->text(), QString());
    QCOMPARE(state_->TableLimit, 0);
    QCOMPARE(state_->FlowerCount, 0);
    for (const QCheckBox* box : form_->findChildren<QCheckBox*>())
        QCOMPARE(box->checkState(), Qt::Unchecked);
    for (const char* label : {"Label36", "Label37", "Label38"})
        QCOMPARE(labelText(QString::fromLatin1(label)), QString());
    QCOMPARE(QApplication::focusWidget(), find<QWidget>(form_.get(), QStringLiteral("Text1")));

    // Back to the first look: nothing is counted until a limit is typed.
    tick({38});
    QCOMPARE(labelText(QStringLiteral("Label38")), QString());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
