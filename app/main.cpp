#include "app/application.h"
#include "app/program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a page of plugin errors; one plain sentence serves better.
bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("MJ Calculator needs a display to show its window, and none is set "
                   "(DISPLAY or WAYLAND_DISPLAY).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    mjcalc::describeApplication(application);

    mjcalc::Application program;
    program.start();
    return application.exec();
}
