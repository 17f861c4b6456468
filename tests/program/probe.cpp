// Loaded into the real program with LD_PRELOAD, so that a test sees what main() set up and uses
// the program as a player would: once the event loop runs it reports, does what MJCALC_PROBE
// asks, and closes every window.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QIcon>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Picks a colour in the real colour dialog, adds it to the custom colours and confirms.
void addCustomColour(QWidget* form1)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            dialog->setCurrentColor(QColor(12, 34, 56));
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text().contains(QLatin1String("Custom")))
                    button->click();
            }
            dialog->accept();
        }
    });
    poll->start(10);
    form1->findChild<QAction*>(QStringLiteral("ForeMenu"))->trigger();
    say(QStringLiteral("custom colour %1").arg(QColor(QColorDialog::customColor(0)).name()));
}

// Reports once every shown window is on screen: at once on the offscreen platform, and on a
// display server once it has mapped the window.
void probe()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
                return window->isVisible() && !window->windowHandle()->isExposed();
            }))
            return;
        poll->stop();
        say(QStringLiteral("name %1 %2").arg(qApp->applicationName(), qApp->applicationVersion()));
        say(QStringLiteral("platform %1").arg(QGuiApplication::platformName()));
        say(QStringLiteral("session bus %1").arg(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")));
        QStringList sizes;
        for (const QSize& size : QApplication::windowIcon().availableSizes())
            sizes << QString::number(size.width());
        say(QStringLiteral("icon %1").arg(sizes.join(u' ')));
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            say(QStringLiteral("window %1 %2").arg(window->objectName(), window->windowTitle()));
            if (const auto* sheet = window->findChild<QWidget*>(QStringLiteral("Form1Sheet")))
                say(QStringLiteral("sheet font %1 %2px")
                        .arg(sheet->font().family())
                        .arg(sheet->font().pixelSize()));
            if (qEnvironmentVariable("MJCALC_PROBE") == QLatin1String("custom colour"))
                addCustomColour(window);
        }
        // Half a second on screen first, as a player's window is: Qt 6.4's Wayland plugin can
        // deadlock at exit, one run in ten, when windows go within milliseconds of being mapped.
        QTimer::singleShot(500, qApp, [] { QApplication::closeAllWindows(); });
    });
    poll->start(10);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(probe)
