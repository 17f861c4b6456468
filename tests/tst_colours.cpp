#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

#include <memory>

using namespace mjcalc;
using mjcalc::test::find;

namespace {

const QColor kRed(200, 0, 0);
const QColor kTeal(0, 128, 128);

bool hasReddishPixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 120 && pixel.green() < 60 && pixel.blue() < 60)
                return true;
        }
    }
    return false;
}

} // namespace

class TestColours : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backgroundPaintsSheetLabelsAndBoxesOnly();
    void textColourPaintsLabelsOnly();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void bothCommandsShareTheRememberedColour();
    void clearingKeepsTheColours();

private:
    void choose(const QString& item);
    [[nodiscard]] QMainWindow* form1() const;
    [[nodiscard]] QImage sheetImage() const;

    std::unique_ptr<test::Session> session_;
    QColor standardWindow_;
};

void TestColours::init()
{
    session_ = std::make_unique<test::Session>();
    QVERIFY(QTest::qWaitForWindowExposed(form1()));
    standardWindow_ = sheetImage().pixelColor(450, 45);
}

void TestColours::cleanup()
{
    session_.reset();
}

QMainWindow* TestColours::form1() const
{
    return qobject_cast<QMainWindow*>(session_->catalogue.window(FormId::Form1));
}

QImage TestColours::sheetImage() const
{
    return form1()->centralWidget()->grab().toImage();
}

void TestColours::choose(const QString& item)
{
    QAction* action = find<QAction>(form1(), item);
    QVERIFY2(action, qPrintable(item));
    action->trigger();
}

void TestColours::backgroundPaintsSheetLabelsAndBoxesOnly()
{
    session_->dialogs.colourAnswers = {kTeal};
    choose("BackMenu");
    QCOMPARE(session_->dialogs.preselectedColours, (QList<QColor>{Qt::black}));

    const QImage sheet = sheetImage();
    QCOMPARE(sheet.pixelColor(450, 45), kTeal);  // bare sheet between the top strip and the rows
    QCOMPARE(sheet.pixelColor(380, 28), kTeal);  // inside the empty payout label
    QCOMPARE(sheet.pixelColor(150, 60), kTeal);  // behind a row caption's text
    QCOMPARE(sheet.pixelColor(223, 57), kTeal);  // the box's own area beside its square
    QVERIFY(sheet.pixelColor(214, 64) != kTeal); // inside the square itself
    QVERIFY(sheet.pixelColor(64, 456) != kTeal); // "Clear ALL"
    QVERIFY(sheet.pixelColor(560, 88) != kTeal); // a "?" button
    QVERIFY(sheet.pixelColor(110, 25) != kTeal); // inside the table limit box
    const QImage window = form1()->grab().toImage();
    QVERIFY(window.pixelColor(window.width() - 3, 3) != kTeal); // the menu bar

    const QList<QLabel*> labels = form1()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 37);
    for (const QLabel* label : labels) {
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), kTeal);
    }
    const QList<QCheckBox*> boxes = form1()->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 71);
    for (const QCheckBox* box : boxes) {
        QVERIFY(box->autoFillBackground());
        QCOMPARE(box->palette().color(QPalette::Window), kTeal);
    }
}

void TestColours::textColourPaintsLabelsOnly()
{
    const QColor boxText =
        find<QCheckBox>(form1(), "Check2")->palette().color(QPalette::WindowText);
    session_->dialogs.colourAnswers = {kRed};
    choose("ForeMenu");

    QVERIFY(hasReddishPixel(find<QLabel>(form1(), "Label5")->grab().toImage()));
    QVERIFY(!hasReddishPixel(find<QWidget>(form1(), "Command7")->grab().toImage()));
    for (const QLabel* label : form1()->findChildren<QLabel*>())
        QCOMPARE(label->palette().color(QPalette::WindowText), kRed);
    for (const QCheckBox* box : form1()->findChildren<QCheckBox*>())
        QCOMPARE(box->palette().color(QPalette::WindowText), boxText);
    QCOMPARE(sheetImage().pixelColor(450, 45), standardWindow_);
}

void TestColours::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("background") << "BackMenu";
    QTest::newRow("text") << "ForeMenu";
}

void TestColours::cancelChangesNothing()
{
    QFETCH(QString, item);
    const QImage before = sheetImage();
    choose(item);
    QCOMPARE(session_->dialogs.preselectedColours, (QList<QColor>{Qt::black}));
    QCOMPARE(sheetImage(), before);
    QCOMPARE(session_->state.colours.remembered, QColor(Qt::black));
    QVERIFY(!session_->state.colours.text && !session_->state.colours.background);
}

void TestColours::bothCommandsShareTheRememberedColour()
{
    session_->dialogs.colourAnswers = {kRed};
    choose("ForeMenu");
    choose("BackMenu"); // cancelled
    session_->dialogs.colourAnswers = {kTeal};
    choose("BackMenu");
    choose("ForeMenu"); // cancelled
    QCOMPARE(session_->dialogs.preselectedColours, (QList<QColor>{Qt::black, kRed, kRed, kTeal}));
    QCOMPARE(find<QLabel>(form1(), "Label1")->palette().color(QPalette::WindowText), kRed);
    QCOMPARE(sheetImage().pixelColor(450, 45), kTeal);
}

void TestColours::clearingKeepsTheColours()
{
    session_->dialogs.colourAnswers = {kTeal};
    choose("BackMenu");
    QTest::mouseClick(find<QWidget>(form1(), "Command6"), Qt::LeftButton);
    QTest::mouseClick(find<QWidget>(form1(), "Command7"), Qt::LeftButton);
    QCOMPARE(sheetImage().pixelColor(380, 28), kTeal);
}

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
