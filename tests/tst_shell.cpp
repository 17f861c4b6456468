#include "app/appstate.h"
#include "app/program.h"
#include "app/windowcatalogue.h"
#include "testsupport.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace mjcalc;
using mjcalc::test::find;

namespace {

const QStringList kFanTable{
    "Semi Pure = 3 Fans     These are what we call standard 3 fans",
    "4 Pongs/Kong and a pair = 3 Fans  These are what we call standard 3 fans",
    "",
    "Flower/Season Kong = 1 fan",
    "Going out on Supplemental tile = 1 Fans ",
    "All Terminals and Honors = 1 Fan",
    "4 Chows = 1 Fan",
    "Pong/Kong Dragon = 1 Fan",
    "Pong/Kong Prevailing Wind = 1 Fan",
    "Pong/Kong Seat Wind = 1 Fan",
    "Self Pick = 1 Fan",
    "No Flowers and Seasons = 1 Fan",
    "Seat Flower or Season = 1 Fan",
    "Steal a Kong = 1 Fan",
    "Last Tile = 1 Fan ",
    "",
    "Pure = 6 Fans",
    "All Honors = Maximum Fan",
    "All Terminals = Maximum Fan",
    " ",
    "All Fans Are Added Together!!!",
};

const QStringList kDefinitions{
    "Chow: Sequential run of 3 tiles in the same suit ",
    "Honors: Dragons and Winds ",
    "KFC: Kentucky Fried Chicken (anything you like... no rules!!!)",
    "Last Tile: Tile # 14",
    "Pong/Kong: 3/4 of the same tile ",
    "Prevailing Wind: Current prevailing wind shown on the upper left hand of the screen.",
    "Seat Wind: Current wind of your seat, shown by your name.",
    "Semi Pure: All one suit with dragons or winds",
    "Pure: All One Suit",
    "Self Pick: Draw winning tile from the wall",
    "Steal a Kong: Someone kongs a tile and you can mah jongg with this tile",
    "Supplemental Self Pick: Drawing any flower/season or melding a kong and the next tile drawn "
    "is mj for you ",
    "Terminals : One's and Nine's ",
};

// The lines of a text box whose text ends with a line break.
QStringList linesOf(const QPlainTextEdit* text)
{
    QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Menus are top-level widgets too, hidden until they pop up; these are the windows on screen.
QWidgetList openWindows()
{
    QWidgetList windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            windows << widget;
    }
    return windows;
}

QStringList captions(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    return texts;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainWindowComesFirst();
    void menuBarReadsAsDrawn();
    void menuItemsOpenTheirWindows_data();
    void menuItemsOpenTheirWindows();
    void openWindowIsBroughtForwardNotRebuilt();
    void closedWindowOpensFresh();
    void howItWorks();
    void textWindowsShowTheirText_data();
    void textWindowsShowTheirText();
    void onlyTheFanTableTakesTyping_data();
    void onlyTheFanTableTakesTyping();
    void personalTextsKeepTheirShape();
    void everyWindowCarriesTheIcon();
    void programEndsWithItsLastWindow();

private:
    void choose(const QString& item);
    QMainWindow* form1() const;

    std::unique_ptr<test::Session> session_;
};

void TestShell::init()
{
    session_ = std::make_unique<test::Session>();
}

void TestShell::cleanup()
{
    session_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QMainWindow* TestShell::form1() const
{
    return qobject_cast<QMainWindow*>(session_->catalogue.window(FormId::Form1));
}

void TestShell::choose(const QString& item)
{
    QAction* action = find<QAction>(form1(), item);
    QVERIFY2(action, qPrintable(item));
    action->trigger();
}

void TestShell::mainWindowComesFirst()
{
    const QWidgetList windows = openWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->objectName(), QStringLiteral("Form1"));
    QCOMPARE(windows.first()->windowTitle(), QStringLiteral("V! Mah-Jongg Calculator"));
    QCOMPARE(form1()->centralWidget()->size(), QSize(608, 473));
    QVERIFY(!(form1()->windowFlags() & Qt::CustomizeWindowHint));
}

void TestShell::menuBarReadsAsDrawn()
{
    const QMenuBar* bar = form1()->menuBar();
    QCOMPARE(captions(bar->actions()), (QStringList{"Options", "Fancounting", "Help"}));
    QCOMPARE(captions(find<QMenu>(form1(), "OptionMenu")->actions()),
             (QStringList{"Text Colour", "Background Colour"}));
    QCOMPARE(captions(find<QMenu>(form1(), "FancountingMenu")->actions()),
             (QStringList{"What gives you a fan (text)", "Fancalculator"}));
    QCOMPARE(captions(find<QMenu>(form1(), "MenuHelp")->actions()),
             (QStringList{"About", "How does it work", "Definitions"}));
    QCOMPARE(find<QMenu>(form1(), "MenuHelp")->actions().first()->menu(),
             find<QMenu>(form1(), "MenuAbout"));
    QCOMPARE(captions(find<QMenu>(form1(), "MenuAbout")->actions()),
             (QStringList{"Who made it", "Why did we make it", "Show your appreciation"}));
    for (const QAction* action : form1()->findChildren<QAction*>()) {
        QVERIFY(!action->isSeparator());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->text().contains(QLatin1Char('&')));
        QVERIFY(!action->isCheckable());
        QVERIFY(action->isEnabled());
    }
}

void TestShell::menuItemsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientArea");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("fan table") << "WhatgivesMenu"
                               << "Form7"
                               << "FanCounting" << QSize(390, 304) << true;
    QTest::newRow("fan counter") << "FancalculatorMenu"
                                 << "Form3"
                                 << "FanCounting" << QSize(442, 353) << false;
    QTest::newRow("definitions") << "DefinitionsMenu"
                                 << "Form6"
                                 << "Defenitions" << QSize(430, 214) << true;
    QTest::newRow("credits") << "Menuwho"
                             << "Form2"
                             << "Who made it" << QSize(208, 109) << true;
    QTest::newRow("account") << "MenuWhy"
                             << "Form5"
                             << "Why ?" << QSize(582, 257) << true;
    QTest::newRow("thanks") << "thankusmenu"
                            << "Form4"
                            << "Thank us" << QSize(221, 152) << true;
}

void TestShell::menuItemsOpenTheirWindows()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, clientArea);
    QFETCH(bool, fixed);
    choose(item);
    QWidget* opened = nullptr;
    for (QWidget* candidate : openWindows()) {
        if (candidate->objectName() == window)
            opened = candidate;
    }
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QVERIFY(opened->isWindow());
    QCOMPARE(opened->parentWidget(), nullptr);
    QCOMPARE(opened->windowModality(), Qt::NonModal);
    QCOMPARE(opened->windowTitle(), caption);
    QCOMPARE(opened->size(), clientArea);
    QVERIFY(form1()->isVisible());
    const Qt::WindowFlags flags = opened->windowFlags();
    if (fixed) {
        QCOMPARE(opened->minimumSize(), clientArea);
        QCOMPARE(opened->maximumSize(), clientArea);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    } else {
        QVERIFY(!(flags & Qt::CustomizeWindowHint));
        QVERIFY(opened->maximumSize().width() > clientArea.width());
    }
}

void TestShell::openWindowIsBroughtForwardNotRebuilt()
{
    QSignalSpy created(&session_->catalogue, &WindowCatalogue::created);
    choose("FancalculatorMenu");
    QWidget* first = session_->catalogue.window(FormId::Form3);
    QVERIFY(first);
    choose("FancalculatorMenu");
    QCOMPARE(session_->catalogue.window(FormId::Form3), first);
    QCOMPARE(created.count(), 1);
    int counters = 0;
    for (const QWidget* window : openWindows())
        counters += window->objectName() == QLatin1String("Form3");
    QCOMPARE(counters, 1);
}

void TestShell::closedWindowOpensFresh()
{
    QSignalSpy created(&session_->catalogue, &WindowCatalogue::created);
    choose("WhatgivesMenu");
    auto* text = find<QPlainTextEdit>(session_->catalogue.window(FormId::Form7), "Text1");
    QTest::keyClicks(text, "my notes");
    session_->catalogue.window(FormId::Form7)->close();
    QVERIFY(!session_->catalogue.window(FormId::Form7));
    choose("WhatgivesMenu");
    QCOMPARE(created.count(), 2);
    text = find<QPlainTextEdit>(session_->catalogue.window(FormId::Form7), "Text1");
    QCOMPARE(linesOf(text), kFanTable);
}

void TestShell::howItWorks()
{
    choose("Howmenu");
    QCOMPARE(session_->dialogs.messages,
             (QList<Message>{{"For the Calculator fill in TableLimit-for the FanCounter click seat "
                              "and prevailing wind before clicking other boxes",
                              MessageIcon::Information, "Check This!",
                              session_->catalogue.window(FormId::Form1)}}));
    QCOMPARE(openWindows().size(), 1);
}

void TestShell::textWindowsShowTheirText_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<FormId>("window");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fan table") << "WhatgivesMenu" << FormId::Form7 << QRect(8, 8, 369, 281)
                               << kFanTable;
    QTest::newRow("definitions") << "DefinitionsMenu" << FormId::Form6 << QRect(8, 8, 409, 193)
                                 << kDefinitions;
}

void TestShell::textWindowsShowTheirText()
{
    QFETCH(QString, item);
    QFETCH(FormId, window);
    QFETCH(QRect, box);
    QFETCH(QStringList, lines);
    choose(item);
    QWidget* opened = session_->catalogue.window(window);
    auto* text = find<QPlainTextEdit>(opened, "Text1");
    QVERIFY(text);
    QCOMPARE(text->geometry(), box);
    QCOMPARE(linesOf(text), lines);
    QVERIFY(text->toPlainText().endsWith(QLatin1Char('\n')));
    QCOMPARE(opened->focusWidget(), text);
    QCOMPARE(text->textCursor().position(), 0);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void TestShell::onlyTheFanTableTakesTyping_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<FormId>("window");
    QTest::addColumn<bool>("editable");
    QTest::newRow("fan table") << "WhatgivesMenu" << FormId::Form7 << true;
    QTest::newRow("definitions") << "DefinitionsMenu" << FormId::Form6 << false;
    QTest::newRow("credits") << "Menuwho" << FormId::Form2 << false;
    QTest::newRow("account") << "MenuWhy" << FormId::Form5 << false;
    QTest::newRow("thanks") << "thankusmenu" << FormId::Form4 << false;
}

void TestShell::onlyTheFanTableTakesTyping()
{
    QFETCH(QString, item);
    QFETCH(FormId, window);
    QFETCH(bool, editable);
    choose(item);
    auto* text = find<QPlainTextEdit>(session_->catalogue.window(window), "Text1");
    const QString before = text->toPlainText();
    QVERIFY(!before.isEmpty());
    QTest::keyClicks(text, "xyz");
    QCOMPARE(text->toPlainText() != before, editable);
    // Read-only still lets the player move the caret and select.
    QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(text->textCursor().hasSelection());
}

void TestShell::personalTextsKeepTheirShape()
{
    choose("Menuwho");
    const QStringList credits =
        linesOf(find<QPlainTextEdit>(session_->catalogue.window(FormId::Form2), "Text1"));
    QCOMPARE(credits.size(), 4);
    QVERIFY(credits[1].startsWith("    ") && !credits[1].startsWith("     "));
    QCOMPARE(credits[2].trimmed(), QStringLiteral("and"));
    QVERIFY(credits[2].startsWith("     "));
    QVERIFY(credits[3].startsWith("    ") && !credits[3].startsWith("     "));

    choose("thankusmenu");
    const QStringList thanks =
        linesOf(find<QPlainTextEdit>(session_->catalogue.window(FormId::Form4), "Text1"));
    QCOMPARE(thanks.size(), 7);
    QVERIFY(thanks[1].isEmpty() && thanks[3].isEmpty());
    QVERIFY(thanks[2].contains("postcard"));
    for (int line = 4; line < 7; ++line)
        QVERIFY(thanks[line].startsWith(' ') && !thanks[line].startsWith("  "));

    choose("MenuWhy");
    const QStringList why =
        linesOf(find<QPlainTextEdit>(session_->catalogue.window(FormId::Form5), "Text1"));
    QVERIFY(why.size() > 3);
    QVERIFY(why[0].contains("Why"));
    QVERIFY(why[1].isEmpty());
}

void TestShell::everyWindowCarriesTheIcon()
{
    describeApplication(*qApp);
    for (const char* item : {"WhatgivesMenu", "FancalculatorMenu", "DefinitionsMenu", "Menuwho",
                             "MenuWhy", "thankusmenu"})
        choose(item);
    const QWidgetList windows = openWindows();
    QCOMPARE(windows.size(), 7);
    for (const QWidget* window : windows) {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(64, 64)),
                 qPrintable(window->objectName()));
    }
}

void TestShell::programEndsWithItsLastWindow()
{
    // Only a running event loop ends, so the closing happens inside one.
    choose("WhatgivesMenu");
    QPointer<QWidget> fanTable = session_->catalogue.window(FormId::Form7);
    bool fanTableOutlivedMain = false;
    QTimer::singleShot(0, form1(), [this, fanTable, &fanTableOutlivedMain] {
        form1()->close();
        QTimer::singleShot(0, fanTable, [fanTable, &fanTableOutlivedMain] {
            fanTableOutlivedMain = fanTable->isVisible();
            fanTable->close();
        });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(fanTableOutlivedMain);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
