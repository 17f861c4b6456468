// A player who keeps a session going all evening opens and closes the same windows hundreds of
// times. Each closed window must go completely: no widget left behind, and no memory that grows
// with the number of openings.

#include "testsupport.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h>
#else
#include <fstream>
#include <unistd.h>
#endif

using namespace mjcalc;

#ifdef __SANITIZE_ADDRESS__
// Quarantine keeps ~250 kB an opening whatever happens; the leak checker judges at exit instead.
constexpr long kRounds = 100, kSlackKb = 1L << 40;
#else
// A leak of 2 kB an opening adds 2 MB and fails; pages malloc keeps or frees stay well below.
constexpr long kRounds = 1000, kSlackKb = 2048;
#endif

class TestWindowLeaks : public QObject {
    Q_OBJECT

private slots:

    void openingAndClosingLeavesNothingBehind_data()
    {
        QTest::addColumn<FormId>("id");
        for (int form = 1; form <= int(kFormCount); ++form)
            QTest::addRow("Form%d", form) << FormId(form - 1);
    }

    void openingAndClosingLeavesNothingBehind()
    {
        QFETCH(FormId, id);
        auto residentKb = [] {
#ifdef Q_OS_WIN
            PROCESS_MEMORY_COUNTERS counters{};
            counters.cb = sizeof counters;
            if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
                return -1L;
            return long(counters.WorkingSetSize / 1024);
#else
            long size = 0, pages = -1;
            std::ifstream("/proc/self/statm") >> size >> pages;
            return pages * (sysconf(_SC_PAGESIZE) / 1024);
#endif
        };
        test::Session session(false); // the main window is under test too: none is open at first
        long warmKb = 0, widgetsAtStart = QApplication::allWidgets().size();
        for (int round = -10; round < kRounds; ++round) { // ten rounds to warm up first
            if (round == 0)
                warmKb = residentKb();
            QWidget* window = session.catalogue.open(id) ? session.catalogue.window(id) : nullptr;
            QVERIFY(window && window->isVisible() && window->close() &&
                    !session.catalogue.window(id));
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(QApplication::allWidgets().size() == widgetsAtStart,
                     qPrintable(QStringLiteral("widgets left after round %1").arg(round)));
        }
        QVERIFY2(warmKb > 0, "the process's resident memory could not be read");
        const long grownKb = residentKb() - warmKb;

        QVERIFY2(grownKb <= kSlackKb, qPrintable(QStringLiteral("grew by %1 kB").arg(grownKb)));
    }
};

QTEST_MAIN(TestWindowLeaks)
#include "tst_windowleaks.moc"
