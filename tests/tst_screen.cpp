#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace mjcalc;
using mjcalc::test::click;
using mjcalc::test::find;

// What the player sees, pixel for pixel: each window in a few states against a reference drawing
// under tests/reference. A failing comparison leaves the drawing and a difference image (changed
// pixels red) in the build folder; `make references` draws the references again when a change of
// look is meant.
class TestScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void looksAsDrawn_data();
    void looksAsDrawn();

private:
    [[nodiscard]] QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }
    void fillInAHand();
    void chooseColours();
    QWidget* openBoard();
    std::unique_ptr<test::Session> session_;
};

void TestScreen::initTestCase()
{
    // A blinking caret would make every drawing of a focused box a matter of timing.
    QApplication::setCursorFlashTime(0);
}

void TestScreen::init()
{
    session_ = std::make_unique<test::Session>();
}

void TestScreen::cleanup()
{
    session_.reset();
}

void TestScreen::fillInAHand()
{
    QTest::keyClicks(find<QLineEdit>(form1(), QStringLiteral("Text1")), QStringLiteral("500"));
    for (const char* box : {"Check1", "Check2", "Check6", "Check38", "Check54", "Check65"})
        click(form1(), QString::fromLatin1(box));
    for (int flower = 0; flower < 3; ++flower)
        click(form1(), QStringLiteral("Command5"));
}

void TestScreen::chooseColours()
{
    session_->dialogs.colourAnswers = {QColor(255, 255, 160), QColor(0, 64, 96)};
    find<QAction>(form1(), QStringLiteral("ForeMenu"))->trigger();
    find<QAction>(form1(), QStringLiteral("BackMenu"))->trigger();
}

QWidget* TestScreen::openBoard()
{
    find<QAction>(form1(), QStringLiteral("FancalculatorMenu"))->trigger();
    return session_->catalogue.window(FormId::Form3);
}

void TestScreen::looksAsDrawn_data()
{
    QTest::addColumn<QString>("scene");
    for (const char* scene :
         {"sheet-fresh", "sheet-hand", "sheet-cleared", "sheet-coloured", "board-fresh",
          "board-hand", "board-coloured", "fantable", "definitions", "credits", "why", "thanks"})
        QTest::newRow(scene) << QString::fromLatin1(scene);
}

void TestScreen::looksAsDrawn()
{
    QFETCH(QString, scene);
    QWidget* window = form1();
    if (scene == QLatin1String("sheet-hand")) {
        fillInAHand();
    } else if (scene == QLatin1String("sheet-cleared")) {
        fillInAHand();
        click(form1(), QStringLiteral("Command6"));
    } else if (scene == QLatin1String("sheet-coloured")) {
        chooseColours();
        fillInAHand();
    } else if (scene.startsWith(QLatin1String("board"))) {
        if (scene == QLatin1String("board-coloured"))
            chooseColours();
        window = openBoard();
        if (scene == QLatin1String("board-hand")) {
            for (const char* tile : {"Picture1", "Picture6", "Picture13", "Picture16", "Picture21"})
                click(window, QString::fromLatin1(tile));
            for (const char* box : {"Check1", "Check5"})
                click(window, QString::fromLatin1(box));
            QApplication::setActiveWindow(window);
            find<QWidget>(window, QStringLiteral("Picture14"))->setFocus();
        }
    } else if (scene != QLatin1String("sheet-fresh")) {
        const QHash<QString, FormId> texts{{"fantable", FormId::Form7},
                                           {"definitions", FormId::Form6},
                                           {"credits", FormId::Form2},
                                           {"why", FormId::Form5},
                                           {"thanks", FormId::Form4}};
        window = session_->catalogue.open(texts.value(scene));
    }
    QApplication::setActiveWindow(window);
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString reference = QStringLiteral(MJCALC_REFERENCE_DIR "/%1.png").arg(scene);
    if (qEnvironmentVariableIsSet("MJCALC_REDRAW_REFERENCES")) {
        QVERIFY(shown.save(reference));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(reference + QStringLiteral(" is missing")));
    if (shown == expected)
        return;
    QImage difference = shown.size() == expected.size() ? shown : expected;
    int changed = 0;
    for (int y = 0; y < qMin(shown.height(), expected.height()); ++y) {
        for (int x = 0; x < qMin(shown.width(), expected.width()); ++x) {
            if (shown.pixel(x, y) != expected.pixel(x, y)) {
                difference.setPixel(x, y, qRgb(255, 0, 0));
                ++changed;
            }
        }
    }
    QDir().mkpath(QStringLiteral("screen-failures"));
    shown.save(QStringLiteral("screen-failures/%1-actual.png").arg(scene));
    difference.save(QStringLiteral("screen-failures/%1-difference.png").arg(scene));
    QFAIL(qPrintable(QStringLiteral("%1 differs from its reference: %2 x %3 against %4 x %5, %6 "
                                    "pixels changed; see %7/screen-failures")
                         .arg(scene)
                         .arg(shown.width())
                         .arg(shown.height())
                         .arg(expected.width())
                         .arg(expected.height())
                         .arg(changed)
                         .arg(QDir::currentPath())));
}

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
