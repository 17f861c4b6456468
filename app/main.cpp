#include "app/application.h"
#include "app/program.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include <QFile>
#include <QFont>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QTimer>

#include <emscripten/val.h>

#include <algorithm>
#include <functional>
#include <utility>
#endif

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

#ifdef Q_OS_WASM
// Calls a function the page gave the program, if it gave one.
void callPage(const char* name, const QString& text = {})
{
    const emscripten::val function = emscripten::val::module_property(name);
    if (function.typeOf().as<std::string>() == "function")
        function(text.toStdString());
}

// The windows' title bars are the page's own text, which the page writes in the sheets' face. The
// face is handed over from the program (Qt keeps it among its resources) rather than downloaded a
// second time.
void lendSheetFaceToPage()
{
    QFile file(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    using emscripten::val;
    // A copy: the view into the program's memory is gone once this function returns.
    const val copy = val::global("Uint8Array")
                         .new_(emscripten::typed_memory_view(
                             static_cast<size_t>(bytes.size()),
                             reinterpret_cast<const unsigned char*>(bytes.constData())));
    val face = val::global("FontFace").new_(std::string("MJ Calculator Sheets"), copy["buffer"]);
    val::global("document")["fonts"].call<void>("add", face);
    face.call<val>("load");
}

// Runs a piece of work once the first window is on the page. Qt paints a frame and puts it on the
// page in one go, so work posted from its first paint event follows the first frame.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QObject* parent, std::function<void()> work)
        : QObject(parent), work_(std::move(work))
    {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && work_) {
            QTimer::singleShot(0, parent(), std::exchange(work_, {}));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

// What a page lacks that a desktop gives every window:
// - A window manager to place new windows: each would open in the top-left corner, squarely over
//   the last. A window opens instead a title bar lower and to the right of the window the player
//   was using.
// - One to hand the keyboard on: when a window closes, none would have it until the player
//   clicked one. The window used last before it takes it again.
// - A screen reader's view of the windows: Qt draws them on a canvas that says nothing. Each
//   message is handed to the page as well, which has it read out.
class PageManners final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        const Qt::WindowType type = window ? window->windowType() : Qt::Widget;
        if (type != Qt::Window && type != Qt::Dialog)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (const auto* box = qobject_cast<QMessageBox*>(window))
                callPage("announce", box->windowTitle() + QStringLiteral(": ") + box->text());
            if (type == Qt::Window && !window->testAttribute(Qt::WA_Moved)) {
                // The window in use, not the new one, should the platform have activated that
                // before showing it.
                const auto inUse = std::find_if(
                    used_.crbegin(), used_.crend(),
                    [window](const QPointer<QWidget>& used) { return used && used != window; });
                if (inUse != used_.crend()) {
                    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
                    window->move((*inUse)->frameGeometry().topLeft() + QPoint(step, step));
                }
            }
            break;
        case QEvent::WindowActivate:
            used_.removeAll(window);
            used_.append(window);
            break;
        case QEvent::Hide:
            used_.removeAll(window);
            used_.removeAll(nullptr);
            if (!used_.isEmpty() && !QApplication::activeModalWidget())
                used_.last()->activateWindow();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> used_; // the windows the player has used, the last one last
};
#endif

// A browser lends the program none of the player's fonts, and Qt's face for menus, tool tips
// and dialogs there is larger than a desktop's: the sheets' family comes inside Qt for the
// browser, which carries it as its own face, and the rest is written in it at a desktop's size.
// When the last window closes the program ends, as it does on a desktop, and the page is told so
// that it can say so and offer a new start.
void settleInBrowser(QApplication& application)
{
#ifdef Q_OS_WASM
    QFont desktop(QStringLiteral("Liberation Sans"));
    desktop.setPixelSize(12);
    QApplication::setFont(desktop);
    lendSheetFaceToPage();
    application.installEventFilter(new PageManners(&application));
    QObject::connect(&application, &QGuiApplication::lastWindowClosed,
                     [] { callPage("programEnded"); });
#else
    (void)application;
#endif
}

// The windows carry the program's icon. In a browser the title bar's copy is decoded, scaled and
// encoded again for the page, which kept the player from the sheet some tens of milliseconds
// longer: there the icon comes once the first window is drawn, where a desktop's title bar needs
// it first.
void giveWindowsTheirIconInTime(QApplication& application)
{
#ifdef Q_OS_WASM
    application.installEventFilter(
        new AfterFirstFrame(&application, [] { mjcalc::giveWindowsTheirIcon(); }));
#else
    (void)application;
    mjcalc::giveWindowsTheirIcon();
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
    settleInBrowser(application);
    mjcalc::describeApplication(application);
    giveWindowsTheirIconInTime(application);

    mjcalc::Application program;
    program.start();
    return application.exec();
}
