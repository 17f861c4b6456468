#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

#include <memory>

using namespace mjcalc;
using mjcalc::test::click;
using mjcalc::test::find;

// Where two features meet: a sheet past 2147483647 and the actions that recount it, the widest
// figure and its label, the player's locale and the limit box, text and its box, and what a
// screen reader hears. (A minimized window and its menu item: the shell test; tiles on a coloured
// board: the reference drawings.)
class TestSeams : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Session> session_;
    [[nodiscard]] QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }
    void typeLimit(const QString& keys)
    {
        QTest::keyClicks(find<QLineEdit>(form1(), QStringLiteral("Text1")), keys);
    }

private slots:
    void init() { session_ = std::make_unique<test::Session>(); }
    void cleanup()
    {
        session_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void oneActionOnAnOverflowingSheetSaysAtMostOneThing_data()
    {
        QTest::addColumn<QString>("action");  // a control to click, or keys for the limit box
        QTest::addColumn<QString>("message"); // empty: none at all
        const QString tooLarge = QStringLiteral(
            "The points of this hand are too large to count: they go past 2147483647.\n"
            "Untick a doubling to count the hand again.");
        QTest::newRow("Clear all BUT table limit") << "Command7"
                                                   << "";
        QTest::newRow("Clear ALL") << "Command6"
                                   << "";
        // The box is put back to the highest limit, which counts the sheet once more.
        QTest::newRow("too high a limit") << "0"
                                          << "limit is toooooooo high";
        QTest::newRow("one flower more") << "Command5" << tooLarge;
        QTest::newRow("one flower fewer") << "Command4" << tooLarge;
        QTest::newRow("one doubling fewer") << "Check72" << tooLarge;
    }
    void oneActionOnAnOverflowingSheetSaysAtMostOneThing()
    {
        QFETCH(QString, action);
        QFETCH(QString, message);
        typeLimit(QStringLiteral("7000"));
        for (int box = 1; box <= 72; ++box) { // all but the two limit hands
            if (box != 51 && box != 59 && box != 60)
                find<QCheckBox>(form1(), QStringLiteral("Check%1").arg(box))->setChecked(true);
        }
        QCOMPARE(find<QLabel>(form1(), QStringLiteral("Label38"))->text(), QString());
        session_->dialogs.messages.clear();
        action.startsWith(u'C') ? click(form1(), action) : typeLimit(action);
        QCOMPARE(session_->dialogs.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(session_->dialogs.messages.first().text, message);
            QCOMPARE(session_->dialogs.messages.first().parent, form1());
        }
        typeLimit(QStringLiteral("x")); // the next action speaks again, quiet or not before
        QCOMPARE(session_->dialogs.messages.last().text,
                 QStringLiteral("You made a typo, mahjongaddict"));
    }

    void widestFiguresFitTheirLabels_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("widest");
        QTest::newRow("hand's worth") << FormId::Form1 << "Label38"
                                      << " 2147483647";
        QTest::newRow("payout: highest limit, East") << FormId::Form1 << "Label37"
                                                     << " 393216";
        QTest::newRow("flowers and seasons") << FormId::Form1 << "Label36"
                                             << " 8";
        QTest::newRow("fans: the board gives well under 99") << FormId::Form3 << "Label8"
                                                             << " 99";
    }
    void widestFiguresFitTheirLabels()
    {
        QFETCH(FormId, window);
        QFETCH(QString, label);
        QFETCH(QString, widest);
        const auto* shown = find<QLabel>(session_->catalogue.open(window), label);
        const int room =
            shown->contentsRect().width() - QFontMetrics(shown->font()).horizontalAdvance(widest);
        QVERIFY2(room >= 4, qPrintable(QString::number(room)));
        QVERIFY(shown->geometry().right() < shown->parentWidget()->width());
    }

    void limitTypedTheLocalWay_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("limit");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("German thousands") << german << "1.000" << 1000;
        QTest::newRow("German fraction") << german << "1,5" << 2;
        QTest::newRow("English thousands") << english << "1,000" << 1000;
        QTest::newRow("C thousands") << QLocale::c() << "1,000" << 1000;
    }
    void limitTypedTheLocalWay()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QLocale::setDefault(locale);
        typeLimit(keys); // no keystroke on the way is a typo
        QCOMPARE(session_->dialogs.messages.size(), 0);
        QTEST(session_->state.points.TableLimit, "limit");
    }

    void textWindowsOpenWithoutACutLine_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::newRow("fan table") << FormId::Form7;
        QTest::newRow("definitions") << FormId::Form6;
        QTest::newRow("credits") << FormId::Form2;
        QTest::newRow("account") << FormId::Form5;
        QTest::newRow("thank-you note") << FormId::Form4;
    }
    void textWindowsOpenWithoutACutLine()
    {
        QFETCH(FormId, window);
        auto* text = find<QPlainTextEdit>(session_->catalogue.open(window), "Text1");
        const int visible = text->viewport()->height();
        for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                QTextCursor cursor(block);
                cursor.setPosition(block.position() + block.layout()->lineAt(i).textStart());
                QVERIFY2(text->cursorRect(cursor).bottom() < visible, qPrintable(block.text()));
            }
        }
        // Nor at the foot: the box ends where a next line would start.
        const int lineHeight = qCeil(text->document()->begin().layout()->lineAt(0).height());
        QCOMPARE((visible - int(text->document()->documentMargin())) % lineHeight, 0);
    }

    void tabFollowsTheSheet_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("order"); // "Check1-3" stands for Check1 Check2 Check3
        QTest::newRow("main window")
            << FormId::Form1
            << "Text1 Check1-50 Check52-53 Command1-2 Check54-55 Command3 Check56-60 Command4-5 "
               "Check61-72 Command6-7";
        QTest::newRow("fan counter") << FormId::Form3 << "Picture1-23 Check1-10 Command1-2 Check11";
    }
    void tabFollowsTheSheet()
    {
        QFETCH(FormId, window);
        QFETCH(QString, order);
        QStringList expected;
        for (const QString& run : order.split(u' ')) {
            const QStringList ends = run.split(u'-');
            const qsizetype digits = ends[0].indexOf(QRegularExpression(QStringLiteral("[0-9]")));
            for (int n = ends[0].mid(digits).toInt(); n <= ends.last().toInt(); ++n)
                expected << ends[0].left(digits) + QString::number(n);
        }
        QWidget* shown = session_->catalogue.open(window);
        QStringList tabbed;
        for (QWidget* next = shown->nextInFocusChain(); next != shown;
             next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus && expected.contains(next->objectName()))
                tabbed << next->objectName();
        }
        QCOMPARE(tabbed, expected);
    }

    void screenReaderHearsTilesAndHint()
    {
        find<QAction>(form1(), QStringLiteral("FancalculatorMenu"))->trigger();
        QWidget* board = session_->catalogue.window(FormId::Form3);
        QAccessibleInterface* hint =
            QAccessible::queryAccessibleInterface(find<QWidget>(board, QStringLiteral("Command2")));
        QCOMPARE(hint->text(QAccessible::Name), QStringLiteral("Hint"));
        QCOMPARE(hint->text(QAccessible::Description), QStringLiteral("MJ on Suplement tile"));
        // East as the seat wind after South clears South, and South says so.
        QAccessibleInterface* south =
            QAccessible::queryAccessibleInterface(find<QWidget>(board, "Picture6"));
        QCOMPARE(south->text(QAccessible::Name), QStringLiteral("Seat wind South"));
        QVERIFY(south->state().checkable && !south->state().checked);
        click(board, QStringLiteral("Picture6"));
        QVERIFY(south->state().checked);
        click(board, QStringLiteral("Picture5"));
        QVERIFY(!south->state().checked);
        QCOMPARE(south->text(QAccessible::Name), QStringLiteral("Seat wind South"));
    }
};

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
