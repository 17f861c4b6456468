#include "app/windowcatalogue.h"

#include "app/appstate.h"
#include "app/coloursettings.h"
#include "app/menubar.h"
#include "app/textwindow.h"
#include "calculator/form1.h"
#include "fancounter/form3.h"
#include "toolkit/dialogs.h"

namespace mjcalc {

namespace {

std::size_t indexOf(FormId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace

WindowCatalogue::WindowCatalogue(AppState& state, Dialogs& dialogs)
    : state_(state), dialogs_(dialogs)
{}

WindowCatalogue::~WindowCatalogue()
{
    for (QPointer<QWidget>& window : windows_)
        delete window.data();
}

QWidget* WindowCatalogue::window(FormId id) const
{
    QWidget* window = windows_[indexOf(id)];
    // Windows are never hidden, only closed; a hidden one is closed and waiting to be deleted.
    return window && !window->isHidden() ? window : nullptr;
}

QWidget* WindowCatalogue::open(FormId id)
{
    QWidget* window = this->window(id);
    if (!window) {
        delete windows_[indexOf(id)].data();
        window = create(id);
        window->setAttribute(Qt::WA_DeleteOnClose);
        windows_[indexOf(id)] = window;
    }
    // A window left minimized must come back too: without a task bar it could not be reached.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    // Shown as it was made rather than as the platform would show a window by default: in a
    // browser that is full screen, hiding every other window with no way back to them.
    window->setVisible(true);
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowCatalogue::create(FormId id)
{
    switch (id) {
    case FormId::Form1:
        return createForm1();
    case FormId::Form3:
        return new Form3(state_.fans, state_.colours, dialogs_);
    case FormId::Form2:
    case FormId::Form4:
    case FormId::Form5:
    case FormId::Form6:
    case FormId::Form7:
        break;
    }
    return createTextWindow(id);
}

Form1* WindowCatalogue::createForm1()
{
    auto* form1 = new Form1(state_.points, dialogs_);
    installMenuBar(*form1,
                   MenuCommands{
                       [this, form1] { chooseTextColour(*form1, state_.colours, dialogs_); },
                       [this, form1] { chooseBackgroundColour(*form1, state_.colours, dialogs_); },
                       [this](FormId target) { open(target); },
                       [form1] { showHowItWorks(form1->input()); },
                   });
    return form1;
}

} // namespace mjcalc
