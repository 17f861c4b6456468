// Thousands of random clicks and keystrokes on the main window and the fan counter, as a restless
// player would make them. After each one the windows must still agree with the counters behind
// them. A run prints its start value; MJCALC_RANDOM_START=<value> replays it.

#include "testsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace mjcalc;
using namespace Qt::StringLiterals;

constexpr int kActions = 8000;
const QString kKeys = u"12345678900a-,\b\b"_s; // \b is Backspace
const QRegularExpression kControls(u"^(Check|Command|Picture)[0-9]+$"_s);
const QRegularExpression kClearing(u"^(Command[67] on Form1|Command1 on Form3)$"_s);
const QRegularExpression kClearingTheSheet(u"^Command[67] on Form1$"_s);

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void everyActionLeavesTheWindowsTrue();
};

#define EXPECT(condition) QVERIFY2(condition, qPrintable(context))

void TestRandomUse::everyActionLeavesTheWindowsTrue()
{
    const QByteArray given = qgetenv("MJCALC_RANDOM_START");
    const quint32 start = given.isEmpty() ? QRandomGenerator::global()->generate() : given.toUInt();
    qInfo("random start %u", start);
    QRandomGenerator random(start);
    test::Session session;
    const PointsState& points = session.state.points;
    QWidget* main = session.catalogue.window(FormId::Form1);
    // The windows write a figure with a blank before it, where a minus sign would go.
    auto shown = [](qint64 figure) { return u" %1"_s.arg(figure); };
    auto* limitBox = test::find<QLineEdit>(main, u"Text1"_s);
    auto* fanCounterItem = test::find<QAction>(main, "FancalculatorMenu");
    if (!limitBox || !fanCounterItem)
        return;
    for (int action = 1; action <= kActions; ++action) {
        const qsizetype messages = session.dialogs.messages.size();
        QWidget* board = session.catalogue.window(FormId::Form3);
        const int draw = random.bounded(100);
        QWidget* window = board && draw >= 36 && random.bounded(2) ? board : main;
        const auto buttons = window->findChildren<QAbstractButton*>(kControls);
        // More flowers than fewer, so that they reach their end now and then.
        const QString name = draw < 36 ? u"Command%1"_s.arg(draw < 33 ? 5 : 4)
                                       : buttons[random.bounded(int(buttons.size()))]->objectName();
        const QString key = kKeys[random.bounded(int(kKeys.size()))];
        QString done = u"%1 on %2"_s.arg(name, window->objectName());
        if (draw < 20) {
            done = u"typing \"%1\" after \"%2\""_s.arg(key, limitBox->text());
            QTest::keyClicks(limitBox, key);
        } else if (draw < 24) {
            done = board ? u"closing the fan counter"_s : u"opening it"_s;
            board ? void(board->close()) : fanCounterItem->trigger();
            if (draw < 22) // a closed window may still be waiting to go when opened again
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            if (!test::click(window, name))
                return;
        }
        const QString context =
            u"action %1: %2; replay with MJCALC_RANDOM_START=%3"_s.arg(action).arg(done).arg(start);
        // Clearing is never a mistake, and no action is worth more than one message.
        EXPECT(session.dialogs.messages.size() <= messages + !kClearing.match(done).hasMatch());
        EXPECT(points.TableLimit >= 0 && points.TableLimit <= 65536);
        // A cleared sheet is worth the base points, shown or not.
        EXPECT(!done.contains(kClearingTheSheet) || points.HandPoints == 20);
        EXPECT(points.FlowerCount >= 0 && points.FlowerCount <= 8);
        EXPECT(test::textOf(main, "Label36") ==
               (points.FlowerCount ? shown(points.FlowerCount) : QString()));
        const QString payout = test::textOf(main, "Label37"), worth = test::textOf(main, "Label38");
        EXPECT(payout.isEmpty() == worth.isEmpty());
        if (!worth.isEmpty()) { // at no limit (or 0) counting pauses, leaving the last result
            const qint64 pays = payout.toLongLong(), hand = worth.toLongLong();
            EXPECT(payout == shown(pays) && worth == shown(hand) && hand == points.HandPoints);
            EXPECT(pays > 0 && pays <= 6 * hand &&
                   (!points.TableLimit || pays <= 6 * points.TableLimit));
        }
        if ((board = session.catalogue.window(FormId::Form3))) {
            EXPECT(test::textOf(board, "Label8") == shown(session.state.fans.FanTotal));
            for (int tile = 1; tile <= 23; ++tile) {
                const auto* picture = board->findChild<QAbstractButton*>(u"Picture%1"_s.arg(tile));
                EXPECT(picture && picture->isChecked() == session.state.fans.TileFlags[tile]);
            }
        }
        QCoreApplication::processEvents();
    }
}

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
