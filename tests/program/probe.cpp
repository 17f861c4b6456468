// Loaded into the real program with LD_PRELOAD, so that a test sees what main() set up and can
// use the program as a player would: it waits until the event loop runs, reports, does what
// MJCALC_PROBE asks, and closes every window.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QWidget* topLevel(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

void report()
{
    say(QStringLiteral("name %1 %2")
            .arg(QApplication::applicationName(), QApplication::applicationVersion()));
    QStringList sizes;
    for (const QSize& size : QApplication::windowIcon().availableSizes())
        sizes << QString::number(size.width());
    say(QStringLiteral("icon %1").arg(sizes.join(u' ')));
    const QFont font = QApplication::font();
    say(QStringLiteral("font %1 %2px").arg(font.family()).arg(font.pixelSize()));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            say(QStringLiteral("window %1 %2").arg(window->objectName(), window->windowTitle()));
    }
}

// Picks a colour in the real colour dialog, adds it to the custom colours and confirms.
void addCustomColour(QWidget* form1)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        dialog->setCurrentColor(QColor(12, 34, 56));
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().contains(QLatin1String("Custom")))
                button->click();
        }
        dialog->accept();
    });
    poll->start(10);
    form1->findChild<QAction*>(QStringLiteral("ForeMenu"))->trigger();
    say(QStringLiteral("custom colour %1").arg(QColor(QColorDialog::customColor(0)).name()));
}

void probe()
{
    QTimer::singleShot(0, qApp, [] {
        report();
        if (qEnvironmentVariable("MJCALC_PROBE") == QLatin1String("custom colour")) {
            if (QWidget* form1 = topLevel(QStringLiteral("Form1")))
                addCustomColour(form1);
        }
        QApplication::closeAllWindows();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(probe)
