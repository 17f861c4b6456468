#pragma once

#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "toolkit/dialogs.h"

namespace mjcalc {

// What the running program owns: its state, its dialogs and its windows.
class Application final {
public:
    Application();

    // Opens the main window; the event loop does the rest.
    void start();

private:
    AppState state_;
    QtDialogs dialogs_;
    WindowCatalogue catalogue_;
};

} // namespace mjcalc
