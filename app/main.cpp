#include "app/application.h"
#include "app/program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
#include <sys/stat.h>
#endif

namespace {

// Without a display Qt aborts with a page of plugin errors; one plain sentence serves better.
// Qt's own -platform option picks the platform as QT_QPA_PLATFORM does, and -display names the X
// display as DISPLAY does; the program reads no options of its own.
bool displayAvailable(int argc, char* argv[])
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"))
        return true;
    // Qt reads these with one dash or two, each followed by its value as the next argument.
    for (int i = 1; i + 1 < argc; ++i) {
        const char* option = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (std::strcmp(option, "-platform") == 0 || std::strcmp(option, "-display") == 0)
            return true;
    }
    return false;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

// Qt asks the session bus for the accessibility bus at start. With no session bus known, libdbus
// would launch one for the X display (dbus-launch), which writes under ~/.dbus and keeps running
// after the program has ended; this program writes no files and leaves nothing behind. A session
// that has a bus, named in DBUS_SESSION_BUS_ADDRESS or at its usual place in the runtime folder,
// keeps it, so that screen readers work as before.
void refuseSessionBusLaunch()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        struct stat bus {};
        const std::string path = std::string(runtime) + "/bus";
        if (stat(path.c_str(), &bus) == 0 && S_ISSOCK(bus.st_mode))
            return;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable(argc, argv)) {
        std::fputs("MJ Calculator needs a display to show its window, and none is set "
                   "(DISPLAY or WAYLAND_DISPLAY).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    refuseSessionBusLaunch();
    QApplication application(argc, argv);
    mjcalc::describeApplication(application);

    mjcalc::Application program;
    program.start();
    return application.exec();
}
