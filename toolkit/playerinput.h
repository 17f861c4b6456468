#pragma once

#include "toolkit/dialogs.h"

#include <QObject>

#include <utility>

class QKeyEvent;

namespace mjcalc {

// How a window takes what the player does, the same in every window that has a sheet:
// - one thing the player does (a click, a keystroke) says at most one thing, however often the
//   window recounts on the way;
// - a key held down says it once: once a keystroke has raised a message, the key's repeats are
//   dropped until it is pressed again, so that they cannot close the box with its own OK button;
// - Return and keypad Enter press the button with the focus, as in most desktop programs; through
//   no default button, whose frame would change the buttons' look.
// It lives as long as its sheet.
class PlayerInput final : public QObject {
public:
    PlayerInput(Dialogs& dialogs, QWidget* sheet);

    // One thing the player did. The first message of an action is shown, later ones are
    // dropped; a quiet action, such as clearing the sheet, shows none at all. Actions may nest;
    // the outermost one decides.
    class Action {
    public:
        enum Kind { Speaks, Quiet };
        explicit Action(PlayerInput& input, Kind kind = Speaks);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        PlayerInput& input_;
        bool wasQuiet_;
    };

    // A message box over the sheet's window, unless the action it belongs to has spoken already
    // or is quiet.
    void message(const QString& text, MessageIcon icon, const QString& title = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool pressFocusedButton(const QKeyEvent& key);
    [[nodiscard]] bool dropRepeat(const QKeyEvent& key);

    Dialogs& dialogs_;
    QWidget* sheet_;
    int actionDepth_ = 0;
    bool spoken_ = false;
    bool quiet_ = false;
    int inputKey_ = 0;  // the key of the input being handled; 0 for a mouse button
    int spokenKey_ = 0; // a key that raised a message since it was last pressed
    std::pair<int, quint64> released_;
};

} // namespace mjcalc
