#pragma once

#include "app/formid.h"

#include <functional>

class QMainWindow;

namespace mjcalc {

class PlayerInput;

// What the menu items do; the menu bar itself knows nothing of windows or colours.
struct MenuCommands {
    std::function<void()> textColour;
    std::function<void()> backgroundColour;
    std::function<void(FormId)> openWindow;
    std::function<void()> howItWorks;
};

void installMenuBar(QMainWindow& window, const MenuCommands& commands);

// Over the window whose input it is, as a message of that window.
void showHowItWorks(PlayerInput& input);

} // namespace mjcalc
