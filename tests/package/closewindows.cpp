// Preloaded into the installed /usr/bin/mjcalc by check_package.sh. The program has no option to
// quit, and the offscreen platform has no window manager to close it, so this library does what a
// user would: once a window is on screen it prints the title of every window shown, then closes
// them all. The program itself must then leave with status 0.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPollMs = 50;
constexpr int kGiveUpMs = 30000;

bool onScreen(const QWidget* widget)
{
    return widget->isVisible() && widget->windowHandle() && widget->windowHandle()->isExposed();
}

void closeOnceShown()
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        bool anyShown = false;
        for (const QWidget* window : windows)
            anyShown = anyShown || onScreen(window);
        if (!anyShown) {
            if (clock.elapsed() > kGiveUpMs) {
                std::fputs("closewindows: no window was shown\n", stderr);
                std::_Exit(3);
            }
            return;
        }
        timer->stop();
        for (const QWidget* window : windows) {
            if (onScreen(window))
                std::printf("shown: %s\n", qPrintable(window->windowTitle()));
        }
        std::fflush(stdout);
        QApplication::closeAllWindows();
    });
    timer->start(kPollMs);
}

// Runs inside QCoreApplication's constructor, before the program has built any window; the
// queued call waits for the event loop.
void install()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), closeOnceShown, Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
