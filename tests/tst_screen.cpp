#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace mjcalc;
using mjcalc::test::click;

// What the player sees, pixel for pixel, against the drawings in tests/reference. A failure leaves
// what was drawn in the build folder; `make references` draws the references again when a change of
// look is meant.
class TestScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Session> session_;
    [[nodiscard]] QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }

private slots:
    // A blinking caret would make every drawing of a focused box a matter of timing.
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void init() { session_ = std::make_unique<test::Session>(); }
    void cleanup() { session_.reset(); }

    void looksAsDrawn_data()
    {
        QTest::addColumn<QStringList>("steps"); // menu items, controls of the window shown last
        QTest::addColumn<QString>("keys");      // typed into the limit box first
        // Where a window shows figures, they are the ones worked out for that hand by the rules
        // themselves, so that no change of a rule's amount redraws a picture: limit 500, "all
        // terminals" and one "FA from own seat", two flowers, East: 1016, paying 3000.
        const QStringList hand{"Check1", "Check59", "Check61", "Command5", "Command5"};
        const QStringList colours{"ForeMenu", "BackMenu"};
        QTest::newRow("sheet-fresh") << QStringList() << "";
        QTest::newRow("sheet-hand") << hand << "500";
        QTest::newRow("sheet-cleared") << hand + QStringList{"Command6"} << "500";
        QTest::newRow("sheet-coloured") << colours + hand << "500";
        QTest::newRow("board-fresh") << QStringList{"FancalculatorMenu"} << ""; // 1 fan
        // Seat wind South, flower 2 and season 2: 2 fans.
        QTest::newRow("board-hand")
            << QStringList{"FancalculatorMenu", "Picture6", "Picture17", "Picture21", "Picture14"}
            << "";
        // Only the NO FA box, which keeps the standard colours: 0 fans.
        QTest::newRow("board-coloured")
            << colours + QStringList{"FancalculatorMenu", "Check11"} << "";
        QTest::newRow("fantable") << QStringList{"WhatgivesMenu"} << "";
        QTest::newRow("definitions") << QStringList{"DefinitionsMenu"} << "";
        QTest::newRow("credits") << QStringList{"Menuwho"} << "";
        QTest::newRow("why") << QStringList{"MenuWhy"} << "";
        QTest::newRow("thanks") << QStringList{"thankusmenu"} << "";
    }
    void looksAsDrawn()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
            QSKIP("The drawings are in Liberation Sans, which is missing: install the Debian "
                  "package fonts-liberation2");
        QFETCH(QStringList, steps);
        QFETCH(QString, keys);
        session_->dialogs.colourAnswers = {QColor(255, 255, 160), QColor(0, 64, 96)};
        if (!test::play(form1(), '>' + keys)) // the limit box has the focus
            return;
        QWidget* window = form1();
        for (const QString& step : steps) {
            if (auto* item = form1()->findChild<QAction*>(step)) {
                item->trigger();
                for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5,
                                  FormId::Form6, FormId::Form7}) {
                    if (QWidget* opened = session_->catalogue.window(id))
                        window = opened;
                }
            } else if (!click(window, step)) {
                return;
            } else if (step ==
                       QLatin1String("Picture14")) { // clicked off again; Tab shows the frame
                click(window, step);
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
                QTest::keyClick(window, Qt::Key_Tab);
            }
        }
        window->activateWindow(); // focus frames show only in the active window
        QVERIFY(QTest::qWaitForWindowActive(window));
        // What the window last put on screen: a control that forgets to repaint shows its old look.
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const QPixmap onScreen = window->screen()->grabWindow(window->winId());
        const QImage shown = onScreen.toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QString reference = QStringLiteral(MJCALC_REFERENCE_DIR "/%1.png").arg(name);
        if (qEnvironmentVariableIsSet("MJCALC_REDRAW_REFERENCES"))
            QVERIFY(shown.save(reference));
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        if (shown == expected)
            return;
        QDir().mkpath(QStringLiteral("screen-failures"));
        shown.save(QStringLiteral("screen-failures/%1.png").arg(name));
        QFAIL(qPrintable(QStringLiteral("%1 differs from %2: see %3/screen-failures")
                             .arg(name, reference, QDir::currentPath())));
    }
};

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
