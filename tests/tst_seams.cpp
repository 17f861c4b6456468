#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

#include <memory>

using namespace mjcalc;
using mjcalc::test::click;
using mjcalc::test::find;

namespace {

const QString kTooHigh = QStringLiteral("limit is toooooooo high");
const QString kTooLarge =
    QStringLiteral("The points of this hand are too large to count: they go past 2147483647.\n"
                   "Untick a doubling to count the hand again.");

} // namespace

// Where two features meet: clearing and overflow, the widest figure and its label, the player's
// locale and the limit box, a minimized window and its menu item, colours and tiles, text and
// its box, and what a screen reader hears.
class TestSeams : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clearingAnOverflowingSheetSaysNothing_data();
    void clearingAnOverflowingSheetSaysNothing();
    void oneActionRaisesOneMessage_data();
    void oneActionRaisesOneMessage();
    void widestFiguresFitTheirLabels_data();
    void widestFiguresFitTheirLabels();
    void limitTypedTheLocalWay_data();
    void limitTypedTheLocalWay();
    void menuBringsBackAMinimizedWindow_data();
    void menuBringsBackAMinimizedWindow();
    void tilesKeepTheirColoursOnAColouredBoard();
    void textWindowsOpenWithoutACutLine_data();
    void textWindowsOpenWithoutACutLine();
    void screenReaderHearsTilesAndHint();

private:
    [[nodiscard]] QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }
    void typeLimit(const QString& keys);
    // Limit 7000 and every box that scores ticked but the two limit hands: far past 2147483647.
    void overflowTheSheet();
    std::unique_ptr<test::Session> session_;
};

void TestSeams::init()
{
    session_ = std::make_unique<test::Session>();
}

void TestSeams::cleanup()
{
    session_.reset();
    QLocale::setDefault(QLocale::c());
}

void TestSeams::typeLimit(const QString& keys)
{
    QTest::keyClicks(find<QLineEdit>(form1(), QStringLiteral("Text1")), keys);
}

void TestSeams::overflowTheSheet()
{
    typeLimit(QStringLiteral("7000"));
    for (int box = 1; box <= 72; ++box) {
        if (box != 51 && box != 59 && box != 60)
            find<QCheckBox>(form1(), QStringLiteral("Check%1").arg(box))->setChecked(true);
    }
    QCOMPARE(find<QLabel>(form1(), QStringLiteral("Label38"))->text(), QString());
    session_->dialogs.messages.clear();
}

void TestSeams::clearingAnOverflowingSheetSaysNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("limitLeft");
    QTest::newRow("Clear all BUT table limit") << "Command7"
                                               << "7000";
    QTest::newRow("Clear ALL") << "Command6"
                               << "";
}

void TestSeams::clearingAnOverflowingSheetSaysNothing()
{
    QFETCH(QString, button);
    QFETCH(QString, limitLeft);
    overflowTheSheet();
    click(form1(), button);
    QCOMPARE(session_->dialogs.messages.size(), 0);
    for (QCheckBox* box : form1()->findChildren<QCheckBox*>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(find<QLineEdit>(form1(), QStringLiteral("Text1"))->text(), limitLeft);
    QCOMPARE(find<QLabel>(form1(), QStringLiteral("Label37"))->text(), QString());
    QCOMPARE(find<QLabel>(form1(), QStringLiteral("Label38"))->text(), QString());
    // The next tick counts against the limit kept, and may speak again.
    click(form1(), QStringLiteral("Check2"));
    QCOMPARE(find<QLabel>(form1(), QStringLiteral("Label38"))->text(),
             limitLeft.isEmpty() ? QString() : QStringLiteral(" 22"));
}

void TestSeams::oneActionRaisesOneMessage_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    // The box is put back to the highest limit, which counts the overflowing sheet once more.
    QTest::newRow("too high a limit") << "0" << kTooHigh;
    QTest::newRow("one flower more") << "Command5" << kTooLarge;
    QTest::newRow("one flower fewer") << "Command4" << kTooLarge;
    QTest::newRow("one doubling fewer") << "Check72" << kTooLarge;
}

void TestSeams::oneActionRaisesOneMessage()
{
    QFETCH(QString, action);
    QFETCH(QString, message);
    overflowTheSheet();
    if (action.startsWith(u'C'))
        click(form1(), action);
    else
        typeLimit(action);
    QCOMPARE(session_->dialogs.messages.size(), 1);
    QCOMPARE(session_->dialogs.messages.first().text, message);
    QCOMPARE(session_->dialogs.messages.first().parent, form1());
}

void TestSeams::widestFiguresFitTheirLabels_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("widest");
    QTest::newRow("hand's worth: the largest count") << int(FormId::Form1) << "Label38"
                                                     << " 2147483647";
    QTest::newRow("payout: highest limit, East") << int(FormId::Form1) << "Label37"
                                                 << " 393216";
    QTest::newRow("flowers and seasons") << int(FormId::Form1) << "Label36"
                                         << " 8";
    // Every fan the board can give adds up to well under a hundred.
    QTest::newRow("fans") << int(FormId::Form3) << "Label8"
                          << " 99";
}

void TestSeams::widestFiguresFitTheirLabels()
{
    QFETCH(int, window);
    QFETCH(QString, label);
    QFETCH(QString, widest);
    const auto* shown = find<QLabel>(session_->catalogue.open(static_cast<FormId>(window)), label);
    QVERIFY(shown);
    const int room =
        shown->contentsRect().width() - QFontMetrics(shown->font()).horizontalAdvance(widest);
    QVERIFY2(room >= 4, qPrintable(QString::number(room)));
    QVERIFY(shown->geometry().right() < shown->parentWidget()->width());
}

void TestSeams::limitTypedTheLocalWay_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("limit");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German thousands") << german << "1.000" << 1000;
    QTest::newRow("German fraction") << german << "1,5" << 2;
    QTest::newRow("English thousands") << english << "1,000" << 1000;
    QTest::newRow("English fraction") << english << "2.5" << 2;
    QTest::newRow("C thousands") << QLocale::c() << "1,000" << 1000;
}

void TestSeams::limitTypedTheLocalWay()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, keys);
    QFETCH(int, limit);
    QLocale::setDefault(locale);
    typeLimit(keys);
    QCOMPARE(session_->dialogs.messages.size(), 0);
    QCOMPARE(session_->state.points.TableLimit, limit);
}

void TestSeams::menuBringsBackAMinimizedWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("window");
    QTest::newRow("fan table") << "WhatgivesMenu" << int(FormId::Form7);
    QTest::newRow("fan counter") << "FancalculatorMenu" << int(FormId::Form3);
    QTest::newRow("definitions") << "DefinitionsMenu" << int(FormId::Form6);
    QTest::newRow("credits") << "Menuwho" << int(FormId::Form2);
    QTest::newRow("account") << "MenuWhy" << int(FormId::Form5);
    QTest::newRow("thank-you note") << "thankusmenu" << int(FormId::Form4);
}

void TestSeams::menuBringsBackAMinimizedWindow()
{
    QFETCH(QString, item);
    QFETCH(int, window);
    auto* choose = find<QAction>(form1(), item);
    choose->trigger();
    QWidget* opened = session_->catalogue.window(static_cast<FormId>(window));
    QVERIFY(opened);
    opened->showMinimized();
    QApplication::setActiveWindow(form1());
    choose->trigger();
    QCOMPARE(session_->catalogue.window(static_cast<FormId>(window)), opened);
    QVERIFY(!opened->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), opened);
}

void TestSeams::tilesKeepTheirColoursOnAColouredBoard()
{
    const auto tile = [this] {
        QWidget* board = session_->catalogue.open(FormId::Form3);
        const QRect tileBox = find<QWidget>(board, QStringLiteral("Picture1"))->geometry();
        const QImage shown = board->grab(tileBox).toImage();
        board->close();
        return shown;
    };
    const QImage standard = tile();
    session_->dialogs.colourAnswers = {QColor(Qt::red)};
    find<QAction>(form1(), QStringLiteral("BackMenu"))->trigger();
    QCOMPARE(session_->state.colours.background, QColor(Qt::red));
    const QImage coloured = tile();
    QCOMPARE(coloured.size(), QSize(33, 41));
    QCOMPARE(coloured, standard);
}

void TestSeams::textWindowsOpenWithoutACutLine_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("fan table") << int(FormId::Form7);
    QTest::newRow("definitions") << int(FormId::Form6);
    QTest::newRow("credits") << int(FormId::Form2);
    QTest::newRow("account") << int(FormId::Form5);
    QTest::newRow("thank-you note") << int(FormId::Form4);
}

void TestSeams::textWindowsOpenWithoutACutLine()
{
    QFETCH(int, window);
    auto* text = find<QPlainTextEdit>(session_->catalogue.open(static_cast<FormId>(window)),
                                      QStringLiteral("Text1"));
    QVERIFY(text);
    const int visible = text->viewport()->height();
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + block.layout()->lineAt(i).textStart());
            QVERIFY2(text->cursorRect(cursor).bottom() < visible, qPrintable(block.text()));
        }
    }
    // Nothing is cut at the foot either: the box ends where a next line would start.
    const int lineHeight = qCeil(text->document()->begin().layout()->lineAt(0).height());
    QCOMPARE((visible - int(text->document()->documentMargin())) % lineHeight, 0);
}

void TestSeams::screenReaderHearsTilesAndHint()
{
    find<QAction>(form1(), QStringLiteral("FancalculatorMenu"))->trigger();
    QWidget* board = session_->catalogue.window(FormId::Form3);
    QAccessibleInterface* hint =
        QAccessible::queryAccessibleInterface(find<QPushButton>(board, QStringLiteral("Command2")));
    QCOMPARE(hint->text(QAccessible::Name), QStringLiteral("Hint"));
    QCOMPARE(hint->text(QAccessible::Description), QStringLiteral("MJ on Suplement tile"));

    // Picking East as the seat wind after South clears South: both say so.
    auto* south = find<QAbstractButton>(board, QStringLiteral("Picture6"));
    auto* east = find<QAbstractButton>(board, QStringLiteral("Picture5"));
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(south);
    const QString name = heard->text(QAccessible::Name);
    QVERIFY(!name.isEmpty());
    QVERIFY(heard->state().checkable);
    QVERIFY(!heard->state().checked);
    click(board, QStringLiteral("Picture6"));
    QVERIFY(heard->state().checked);
    click(board, QStringLiteral("Picture5"));
    QVERIFY(!heard->state().checked);
    QVERIFY(east->isChecked() && !south->isChecked());
    QCOMPARE(heard->text(QAccessible::Name), name);
}

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
