#include "app/menubar.h"

#include "toolkit/playerinput.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <span>

namespace mjcalc {

namespace {

enum class Command { Submenu, TextColour, BackgroundColour, OpenWindow, HowItWorks };

struct MenuEntry {
    const char* name;
    const char* caption;
    const char* parent; // nullptr: on the menu bar itself
    Command command;
    FormId window = FormId::Form1;
};

// Top to bottom as the menus show them. No access keys, shortcuts or separators: the items are
// few and the players know them by their captions.
constexpr MenuEntry kMenu[] = {
    {"OptionMenu", "Options", nullptr, Command::Submenu},
    {"ForeMenu", "Text Colour", "OptionMenu", Command::TextColour},
    {"BackMenu", "Background Colour", "OptionMenu", Command::BackgroundColour},
    {"FancountingMenu", "Fancounting", nullptr, Command::Submenu},
    {"WhatgivesMenu", "What gives you a fan (text)", "FancountingMenu", Command::OpenWindow,
     FormId::Form7},
    {"FancalculatorMenu", "Fancalculator", "FancountingMenu", Command::OpenWindow, FormId::Form3},
    {"MenuHelp", "Help", nullptr, Command::Submenu},
    {"MenuAbout", "About", "MenuHelp", Command::Submenu},
    {"Menuwho", "Who made it", "MenuAbout", Command::OpenWindow, FormId::Form2},
    {"MenuWhy", "Why did we make it", "MenuAbout", Command::OpenWindow, FormId::Form5},
    {"thankusmenu", "Show your appreciation", "MenuAbout", Command::OpenWindow, FormId::Form4},
    {"Howmenu", "How does it work", "MenuHelp", Command::HowItWorks},
    {"DefinitionsMenu", "Definitions", "MenuHelp", Command::OpenWindow, FormId::Form6},
};

std::function<void()> commandFor(const MenuEntry& entry, const MenuCommands& commands)
{
    switch (entry.command) {
    case Command::TextColour:
        return commands.textColour;
    case Command::BackgroundColour:
        return commands.backgroundColour;
    case Command::OpenWindow:
        return [open = commands.openWindow, window = entry.window] { open(window); };
    case Command::HowItWorks:
        return commands.howItWorks;
    case Command::Submenu:
        break;
    }
    return {};
}

} // namespace

void installMenuBar(QMainWindow& window, const MenuCommands& commands)
{
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("MenuBar"));
    for (const MenuEntry& entry : kMenu) {
        const QString name = QString::fromLatin1(entry.name);
        const QString caption = QString::fromLatin1(entry.caption);
        QWidget* parent = bar;
        if (entry.parent)
            parent = bar->findChild<QMenu*>(QString::fromLatin1(entry.parent));
        if (entry.command == Command::Submenu) {
            auto* menu = new QMenu(caption, parent);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            parent->addAction(menu->menuAction());
            continue;
        }
        auto* action = new QAction(caption, parent);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, action, commandFor(entry, commands));
        parent->addAction(action);
    }
    window.setMenuBar(bar);
    // The menu bar takes its height from the window, not from the sheet under it.
    window.resize(window.sizeHint());
}

void showHowItWorks(PlayerInput& input)
{
    input.message(QStringLiteral("For the Calculator fill in TableLimit-for the FanCounter click "
                                 "seat and prevailing wind before clicking other boxes"),
                  MessageIcon::Information, QStringLiteral("Check This!"));
}

} // namespace mjcalc
