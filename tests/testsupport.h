#pragma once

#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "toolkit/dialogs.h"

#include <QAbstractButton>
#include <QTest>

#include <source_location>

namespace mjcalc::test {

// Answers every dialog at once and remembers what was shown, so no test waits on a modal box.
class RecordingDialogs final : public Dialogs {
public:
    QList<Message> messages;
    QList<QColor> preselectedColours;
    // Answers for the colour picker, first in first out; an empty answer, or none left, cancels.
    QList<std::optional<QColor>> colourAnswers;

    std::optional<QColor> pickColour(QWidget*, const QColor& preselected) override
    {
        preselectedColours.append(preselected);
        return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.takeFirst();
    }

protected:
    void present(const Message& message) override { messages.append(message); }
};

// A running program for one test: its state, a recorder answering its dialogs, and its windows,
// the main window open unless asked otherwise; the program's name, icon, font and style as main()
// sets them, so that windows look and measure as the player sees them.
struct Session {
    explicit Session(bool openMainWindow = true);

    AppState state;
    RecordingDialogs dialogs;
    WindowCatalogue catalogue{state, dialogs};
};

// Reports a failure of the test function at the place given, without ending it: the helper that
// calls it returns, and its caller stops.
void fail(const QString& what, const std::source_location& where);

// Finds a control by the name the player's manual would use. A missing one fails the test where
// it was asked for, and gives none: check before using it.
template <typename T>
[[nodiscard]] T* find(const QWidget* window, const QString& name,
                      const std::source_location& where = std::source_location::current())
{
    if (T* found = window ? window->findChild<T*>(name) : nullptr)
        return found;
    fail(window ? QStringLiteral("%1 has no control named %2").arg(window->objectName(), name)
                : QStringLiteral("no window is open to look for %1 in").arg(name),
         where);
    return nullptr;
}

// What a label, a button or a text box shows; empty, with the failure reported, when the window
// has no such control.
QString textOf(const QWidget* window, const QString& name,
               const std::source_location& where = std::source_location::current());

// Chooses an item of the window's menus; false, with the failure reported, when it has none such.
bool choose(const QWidget* window, const QString& item,
            const std::source_location& where = std::source_location::current());

// A left click in the middle of the control, as a player would make it; false, with the failure
// reported, when there is no such control.
bool click(QWidget* window, const QString& name,
           const std::source_location& where = std::source_location::current());

// Hovers the control as a player would and returns the tooltip that appeared (empty if none).
QString hoverToolTip(QWidget* control);

// A player's moves: a control's name clicks it ("+", "--" the flower buttons), ">keys" types,
// "^text" pastes, "!Ctrl+C" is a keystroke, "~Space" a held key ("*Space" held since before),
// "@Label37" the control's first context menu item. Where a move cannot be made (the window never
// became active, a control is missing) it fails there and plays no further: false.
bool play(QWidget* window, const QString& moves,
          const std::source_location& where = std::source_location::current());

} // namespace mjcalc::test

namespace mjcalc {

// What a failing comparison prints of a message.
inline char* toString(const Message& message)
{
    return QTest::toString(QStringLiteral("%1 | icon %2 | title %3 | over %4")
                               .arg(message.text)
                               .arg(int(message.icon))
                               .arg(message.title, message.parent ? message.parent->objectName()
                                                                  : QStringLiteral("no window")));
}

} // namespace mjcalc
