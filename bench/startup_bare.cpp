// The least a Qt Widgets program does to show a window: the yardstick for the start-up time.

#include "idle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(608, 494);
    window.show();
    mjcalc::bench::quitWhenIdle();
    return application.exec();
}
