// How long one player action takes from the click to the labels showing the new figures.

#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace mjcalc;

class BenchClicks : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boxTick();
    void tileClick();
    void openFanCounter();

private:
    std::unique_ptr<test::Session> session_;
};

void BenchClicks::init()
{
    session_ = std::make_unique<test::Session>();
}

void BenchClicks::cleanup()
{
    session_.reset();
}

// One box ticked or cleared: the count, the cap, the East factor and both labels.
void BenchClicks::boxTick()
{
    QWidget* form1 = session_->catalogue.window(FormId::Form1);
    QVERIFY(test::play(form1, ">500 Check2 Check38 Check52 Check57 Check61"));
    auto* box = test::find<QCheckBox>(form1, "Check65");
    const QLabel* worth = test::find<QLabel>(form1, "Label38");
    if (!box || !worth)
        return;
    QBENCHMARK
    {
        box->toggle();
    }
    QVERIFY(!worth->text().isEmpty());
}

// One tile clicked on the fan counter: the flags, the row's pictures, the tally and the total.
void BenchClicks::tileClick()
{
    QVERIFY(test::choose(session_->catalogue.window(FormId::Form1), "FancalculatorMenu"));
    QWidget* board = session_->catalogue.window(FormId::Form3);
    auto* tile = test::find<QAbstractButton>(board, "Picture6");
    const QLabel* total = test::find<QLabel>(board, "Label8");
    if (!tile || !total)
        return;
    QBENCHMARK
    {
        tile->click();
    }
    QVERIFY(!total->text().isEmpty());
}

// The fan counter from the menu to its first total: the board built, thirty images, the tally.
void BenchClicks::openFanCounter()
{
    QWidget* form1 = session_->catalogue.window(FormId::Form1);
    QAction* open = test::find<QAction>(form1, "FancalculatorMenu");
    if (!open)
        return;
    QBENCHMARK
    {
        open->trigger();
        QWidget* board = session_->catalogue.window(FormId::Form3);
        QVERIFY(!test::textOf(board, "Label8").isEmpty());
        board->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QTEST_MAIN(BenchClicks)
#include "bench_clicks.moc"
