// The program as it starts for a player, except that it ends itself as soon as the main window
// is up and the event loop has nothing left to do: the end point of a start-up measurement.

#include "app/application.h"
#include "app/program.h"
#include "idle.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    mjcalc::describeApplication(application);
    mjcalc::giveWindowsTheirIcon();
    mjcalc::Application program;
    program.start();
    mjcalc::bench::quitWhenIdle();
    return application.exec();
}
