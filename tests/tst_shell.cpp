#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>

#include <memory>

using namespace mjcalc;

// Word for word as the players read it, blanks at line ends included, ending with a line break;
// the other texts are read by the same loader, and their words are in the reference drawings.
const QString kFanTable =
    "Semi Pure = 3 Fans     These are what we call standard 3 fans\n"
    "4 Pongs/Kong and a pair = 3 Fans  These are what we call standard 3 fans\n\n"
    "Flower/Season Kong = 1 fan\nGoing out on Supplemental tile = 1 Fans \n"
    "All Terminals and Honors = 1 Fan\n4 Chows = 1 Fan\nPong/Kong Dragon = 1 Fan\n"
    "Pong/Kong Prevailing Wind = 1 Fan\nPong/Kong Seat Wind = 1 Fan\nSelf Pick = 1 Fan\n"
    "No Flowers and Seasons = 1 Fan\nSeat Flower or Season = 1 Fan\nSteal a Kong = 1 Fan\n"
    "Last Tile = 1 Fan \n\nPure = 6 Fans\nAll Honors = Maximum Fan\nAll Terminals = Maximum Fan\n"
    " \nAll Fans Are Added Together!!!\n";

// Each item as name:caption, then its shortcut if it has one; a menu's items follow it in braces.
static QString menuTree(const QList<QAction*>& actions)
{
    QString tree;
    for (const QAction* action : actions)
        tree += action->objectName() + ':' + action->text() + action->shortcut().toString() +
                (action->menu() ? '{' + menuTree(action->menu()->actions()) + '}' : QString(';'));
    return tree;
}

class TestShell : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Session> session_;
    QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }
    bool choose(const QString& item) { return test::choose(form1(), item); }

private slots:
    void init() { session_ = std::make_unique<test::Session>(); }
    void cleanup() { session_.reset(); }

    void menuBarFollowsItsTable()
    {
        QCOMPARE(
            menuTree(form1()->findChild<QMenuBar*>()->actions()),
            "OptionMenu:Options{ForeMenu:Text Colour;BackMenu:Background Colour;}"
            "FancountingMenu:Fancounting{WhatgivesMenu:What gives you a fan (text);"
            "FancalculatorMenu:Fancalculator;}MenuHelp:Help{MenuAbout:About{"
            "Menuwho:Who made it;MenuWhy:Why did we make it;thankusmenu:Show your appreciation;}"
            "Howmenu:How does it work;DefinitionsMenu:Definitions;}");
    }

    void menuItemsOpenOneWindowEach_data()
    {
        // Sizes and places are in the reference drawings; the text windows' words are here too,
        // blanks at line ends included, which a drawing cannot show.
        QTest::addColumn<FormId>("id");
        QTest::addColumn<QString>("window"); // object name and title
        QTest::addColumn<QString>("text");   // empty: not compared
        const auto row = [](const char* item, FormId id, const char* window, const QString& text) {
            QTest::newRow(item) << id << window << text;
        };
        row("WhatgivesMenu", FormId::Form7, "Form7 FanCounting", kFanTable);
        row("FancalculatorMenu", FormId::Form3, "Form3 FanCounting", "");
        row("DefinitionsMenu", FormId::Form6, "Form6 Defenitions", "");
        row("Menuwho", FormId::Form2, "Form2 Who made it", "");
        row("MenuWhy", FormId::Form5, "Form5 Why ?", "");
        row("thankusmenu", FormId::Form4, "Form4 Thank us", "");
    }
    void menuItemsOpenOneWindowEach()
    {
        QFETCH(FormId, id);
        QFETCH(QString, text);
        if (!choose(QTest::currentDataTag()))
            return;
        QPointer<QWidget> window = session_->catalogue.window(id);
        QVERIFY(window && window->isVisible());
        QTEST(window->objectName() + ' ' + window->windowTitle(), "window");
        window->showMinimized(); // chosen again: back from the task bar, not built again
        form1()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
        choose(QTest::currentDataTag());
        QCOMPARE(session_->catalogue.window(id), window.data());
        QVERIFY(!window->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), window);
        if (auto* edit = window->findChild<QPlainTextEdit*>())
            QTest::keyClicks(edit, "my notes"); // gone with the window
        const QPointer<QWidget> first = window;
        window->close();
        choose(QTest::currentDataTag()); // built again
        window = session_->catalogue.window(id);
        QVERIFY(!first && window);
        form1()->close(); // the other windows stay open
        QVERIFY(!form1() && window && window->isVisible());
        if (id == FormId::Form3)
            return;
        QVERIFY(window->minimumSize() == window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags(); // a close button, nothing more
        QVERIFY(flags & Qt::CustomizeWindowHint && flags & Qt::WindowCloseButtonHint &&
                !(flags & Qt::WindowMinMaxButtonsHint));
        auto* edit = test::find<QPlainTextEdit>(window, "Text1");
        if (!edit)
            return;
        if (!text.isEmpty())
            QCOMPARE(edit->toPlainText().split('\n'), text.split('\n'));
        // Typed on the keyboard, and through an input method, as a Chinese player types: the
        // platform asks the box whether it takes one, and the words around the caret, before it
        // sends the text.
        QTest::keyClicks(edit, "my notes");
        QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImSurroundingText);
        QApplication::sendEvent(edit, &query);
        if (query.value(Qt::ImEnabled).toBool() &&
            query.value(Qt::ImSurroundingText).toString().contains("my notes")) {
            QInputMethodEvent composed;
            composed.setCommitString(QStringLiteral("筆記"));
            QApplication::sendEvent(edit, &composed);
        }
        QCOMPARE(edit->toPlainText().contains("my notes"),
                 id == FormId::Form7); // notes: there only
        QCOMPARE(edit->toPlainText().contains("筆記"), id == FormId::Form7);
    }

    void howItWorks()
    {
        choose("Howmenu");
        QCOMPARE(session_->dialogs.messages,
                 (QList<Message>{{"For the Calculator fill in TableLimit-for the FanCounter click "
                                  "seat and prevailing wind before clicking other boxes",
                                  MessageIcon::Information, "Check This!", form1()}}));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
