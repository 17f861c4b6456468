#pragma once

#include "app/appstate.h"
#include "app/windowcatalogue.h"
#include "toolkit/dialogs.h"

#include <QAbstractButton>
#include <QTest>

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

// The program's name, icon, font and style, as main() sets them, so that windows under test
// look and measure as the player sees them; and no notices of what the offscreen platform cannot
// do.
void lookLikeTheProgram();

// A running program for one test: its state, a recorder answering its dialogs, and its windows,
// the main window open unless asked otherwise.
struct Session {
    explicit Session(bool openMainWindow = true)
    {
        lookLikeTheProgram();
        if (openMainWindow)
            catalogue.open(FormId::Form1);
    }

    AppState state;
    RecordingDialogs dialogs;
    WindowCatalogue catalogue{state, dialogs};
};

// Fails the test, naming the control it looked for, and ends it there: Qt Test reports the
// failure, then the exception that nothing is left to catch.
[[noreturn]] void failMissing(const QWidget* window, const QString& name);

// Finds a control by the name the player's manual would use; a missing one fails the test.
template <typename T> T* find(const QWidget* window, const QString& name)
{
    if (T* found = window ? window->findChild<T*>(name) : nullptr)
        return found;
    failMissing(window, name);
}

// A left click in the middle of the control, as a player would make it.
void click(QWidget* window, const QString& name);

// Hovers the control as a player would and returns the tooltip that appeared (empty if none).
QString hoverToolTip(QWidget* control);

// A player's moves: a control's name clicks it ("+", "--" the flower buttons), ">keys" types,
// "^text" pastes, "!Ctrl+C" is a keystroke, "~Space" a held key, "@Label37" the control's first
// context menu item.
void play(QWidget* window, const QString& moves);

} // namespace mjcalc::test
