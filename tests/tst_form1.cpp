#include "testsupport.h"

#include <QLabel>
#include <QLocale>

#include <memory>

using namespace mjcalc;

constexpr auto kError = MessageIcon::Error;
constexpr auto kWarning = MessageIcon::Warning;
const QString kTitle = QStringLiteral("MJ Calculator");
const QString kTooHigh = QStringLiteral("limit is toooooooo high");
const QString kTypo = QStringLiteral("You made a typo, mahjongaddict");
const QString kHonorHint = QStringLiteral(
    "If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed pong/kong "
    "dragon/seat or prevailing wind (on the right side)!");
const QString kWorthlessHint =
    QStringLiteral("This does not aply when you have a pair of dragons or prevailing/seat winds !");
const QString kTooLarge =
    QStringLiteral("The points of this hand are too large to count: they go past 2147483647.\n"
                   "Untick a doubling to count the hand again.");
// All honors and eleven doublings: the limit times 2^15, past 2^31 at the highest limit.
const QString kHuge = QStringLiteral("Check60 Check61 Check62 Check63 Check64 Check65 Check66 "
                                     "Check67 Check68 Check69 Check70 Check71");

// The moves, in the locale given; then Text1, TableLimit, Label36|Label37|Label38, and what was
// said (one icon).
static void row(const QString& name, const QString& moves, const char* box, int limit,
                const char* shown, const QStringList& said = {},
                MessageIcon icon = MessageIcon::None, const char* locale = "C")
{
    QTest::newRow(qPrintable(name)) << moves << QString(box) << QString::number(limit)
                                    << QString(shown) << said << int(icon) << QString(locale);
}

// The points window as a player uses it; its look is left to the reference drawings.
class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Session> session_;
    QWidget* form() const { return session_->catalogue.window(FormId::Form1); }
    QString shown(const char* label) const { return test::textOf(form(), label); }

private slots:
    void init() { session_ = std::make_unique<test::Session>(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void playing_data()
    {
        for (const char* column : {"moves", "box", "limit", "shown"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("locale");
        row("nothing ticked", ">500", "500", 500, "| 80| 20");
        row("East", ">500 Check1", "500", 500, "| 120| 20");
        row("capped", ">500 Check59 Check61 + +", "500", 500, " 2| 2000| 1016");
        row("three flowers, self pick", ">1000 + + + Check52", "1000", 1000, " 3| 136| 34");
        row("no limit yet", "Check1 Check38 +", "", 0, " 1||");
        // An emptied box is not a new limit: the last digit left still counts.
        row("emptied", ">500 Check38 Text1 >\b\b\b Check39", "", 5, "| 20| 36");
        row("zero keeps the result", ">500 Check38 Text1 >\b\b\b0 Check39", "0", 0, "| 20| 28");
        row("too high", ">70000", " 65536", 65536, "| 80| 20", {kTooHigh}, kError);
        // The limit typed the player's way; where digits are grouped with blanks, the highest
        // limit the program writes must read back.
        row("German thousands", ">1.000 Check59", "1.000", 1000, "| 4000| 1000", {},
            MessageIcon::None, "de_DE");
        for (const char* blanks : {"fr_FR", "ru_RU", "pl_PL"})
            row(QStringLiteral("too high, ") + blanks, ">70000 Check59", " 65536", 65536,
                "| 262144| 65536", {kTooHigh}, kError, blanks);
        row("pasted with its line end", "^15\n", "15 ", 15, "| 60| 20");
        row("typo", ">a", "a", 0, "||", {kTypo}, kWarning);
        row("held Space after a typo", ">a ~Space", "a ", 0, "||", {kTypo, kTypo}, kWarning);
        row("Space held twice", ">a ~Space ~Space", "a  ", 0, "||", {kTypo, kTypo, kTypo},
            kWarning);
        // A key that spoke once, held down later where it says nothing, repeats as usual.
        row("Backspace held after it spoke", ">ab ~Backspace !Ctrl+A >123 ~Backspace", "", 1,
            "| 4| 20", {kTypo, kTypo, kTypo}, kWarning);
        row("typo after a limit", ">12x", "12x", 12, "| 48| 20", {kTypo}, kWarning);
        row("negative", ">-5", "-5", 0, "||", {kTypo, kTypo}, kWarning);
        row("more than eight", ">500" + QString(" +").repeated(9), "500", 500, " 8| 208| 52");
        row("fewer than none", ">500 + -- -- +", "500", 500, " 1| 96| 24");
        row("Return, Enter", ">500 + !Return !Enter Check38 !Return", "500", 500, " 3| 160| 40");
        row("hint, honor pongs", "Command1", "", 0, "||", {kHonorHint}, kWarning);
        // Return held since before the click spoke: its repeats press the hint once more.
        row("hint, Return held through it", "~Return Command2 *Return", "", 0, "||",
            {kHonorHint, kHonorHint}, kWarning);
        row("hint, worthless", "Command3", "", 0, "||", {kWorthlessHint}, kWarning);
        row("huge", ">32768 " + kHuge, "32768", 32768, "| 131072| 1073741824");
        row("overflow from the limit", ">6553 " + kHuge + " Text1 >6", "65536", 65536, "||",
            {kTooLarge}, kError);
        // One action on an overflowing sheet says one thing at most, and the next speaks again.
        const QString overflowing = ">65536 " + kHuge;
        row("overflowing, cleared", overflowing + " Command7", "65536", 65536, "||", {kTooLarge},
            kError);
        row("overflowing, a limit too high", overflowing + " Text1 >0", " 65536", 65536, "||",
            {kTooLarge, kTooHigh}, kError);
        row("overflowing, a flower more", overflowing + " + +", "65536", 65536, " 2||",
            {kTooLarge, kTooLarge, kTooLarge}, kError);
        const QString hand = QStringLiteral(">500 Check1 Check38 +");
        row("cleared but the limit", hand + " Command7", "500", 500, "||");
        row("next hand", hand + " Command7 >9 Check38", "5009", 5009, "| 112| 28");
        row("cleared all", hand + " Command6", "", 0, "||");
        row("next hand after all", hand + " Command6 >9 Check38", "9", 9, "| 36| 28");
    }
    void playing()
    {
        QFETCH(QString, moves);
        QFETCH(QStringList, said);
        QFETCH(int, icon);
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        if (!test::play(form(), moves))
            return;
        const QString labels = shown("Label36") + '|' + shown("Label37") + '|' + shown("Label38");
        const QString box = shown("Text1");
        if (QTest::currentTestFailed()) // a control missing, reported where it was asked for
            return;
        QTEST(box, "box");
        QTEST(QString::number(session_->state.points.TableLimit), "limit");
        QTEST(labels, "shown");
        QList<Message> expected;
        for (const QString& text : said)
            expected.append({text, MessageIcon(icon), kTitle, form()});
        QCOMPARE(session_->dialogs.messages, expected);
        const QString worth = shown("Label38").trimmed();
        if (worth.isEmpty())
            return;
        // The explanation sets off just the two figures the window shows.
        const QString tip = test::hoverToolTip(form()->findChild<QLabel*>("Label38"));
        QCOMPARE(test::hoverToolTip(form()->findChild<QLabel*>("Label37")), tip);
        QCOMPARE(tip.count(QStringLiteral("<b>")), 4);
        QVERIFY(tip.contains("<b>" + worth + "</b>"));
        QVERIFY(tip.contains("<b>" + shown("Label37").trimmed() + "</b>"));
    }

    void colours()
    {
        const QImage before = form()->grab().toImage();
        // Cancelling paints and remembers nothing; both commands open on the last confirmed colour.
        const QColor red(Qt::red), teal(Qt::darkCyan);
        session_->dialogs.colourAnswers = {std::nullopt, std::nullopt, red, std::nullopt, teal};
        if (!test::choose(form(), "ForeMenu") || !test::choose(form(), "BackMenu"))
            return;
        QCOMPARE(form()->grab().toImage(), before);
        for (const char* item : {"ForeMenu", "BackMenu", "BackMenu", "ForeMenu"})
            if (!test::choose(form(), item))
                return;
        QCOMPARE(session_->dialogs.preselectedColours,
                 (QList<QColor>{Qt::black, Qt::black, Qt::black, red, red, teal}));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
