#pragma once

#include "app/formid.h"

#include <functional>

class QMainWindow;
class QWidget;

namespace mjcalc {

class Dialogs;

// What the menu items do; the menu bar itself knows nothing of windows or colours.
struct MenuCommands {
    std::function<void()> textColour;
    std::function<void()> backgroundColour;
    std::function<void(FormId)> openWindow;
    std::function<void()> howItWorks;
};

void installMenuBar(QMainWindow& window, const MenuCommands& commands);

void showHowItWorks(Dialogs& dialogs, QWidget* parent);

} // namespace mjcalc
