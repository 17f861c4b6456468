#include "toolkit/playerinput.h"

#include "toolkit/picturebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace mjcalc {

PlayerInput::PlayerInput(Dialogs& dialogs, QWidget* sheet)
    : QObject(sheet), dialogs_(dialogs), sheet_(sheet)
{
    // Keys are seen as their window receives them, before the control with the focus: the
    // repeats that matter go to the message box, not to the sheet. A sheet is a widget, so the
    // application is there to watch.
    QApplication::instance()->installEventFilter(this);
}

PlayerInput::Action::Action(PlayerInput& input, Kind kind) : input_(input), wasQuiet_(input.quiet_)
{
    if (input_.actionDepth_++ == 0)
        input_.spoken_ = false;
    if (kind == Quiet)
        input_.quiet_ = true;
}

PlayerInput::Action::~Action()
{
    --input_.actionDepth_;
    input_.quiet_ = wasQuiet_;
}

void PlayerInput::message(const QString& text, MessageIcon icon, const QString& title)
{
    if (actionDepth_ > 0) {
        if (quiet_ || spoken_)
            return;
        spoken_ = true;
    }
    // Noted before the box shows: it runs until closed, and the key may repeat meanwhile.
    spokenKey_ = inputKey_;
    dialogs_.message(sheet_->window(), text, icon, title);
}

bool PlayerInput::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        inputKey_ = 0;
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == sheet_)
            return pressFocusedButton(key);
        return watched->isWindowType() && dropRepeat(key);
    }
    default:
        return false;
    }
}

bool PlayerInput::pressFocusedButton(const QKeyEvent& key)
{
    // A button lets these keys through to the sheet it stands on. A check box is left as it is:
    // elsewhere these keys confirm a dialog, they never tick a box.
    QWidget* focus = sheet_->focusWidget();
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (key.type() != QEvent::KeyPress || !enter || !focus || focus->parentWidget() != sheet_ ||
        !(qobject_cast<QPushButton*>(focus) || qobject_cast<PictureBox*>(focus)))
        return false;
    // Held down, it presses again with each repeat, as a dialog's default button does.
    static_cast<QAbstractButton*>(focus)->click();
    return true;
}

bool PlayerInput::dropRepeat(const QKeyEvent& key)
{
    if (key.type() == QEvent::KeyRelease) {
        released_ = {key.key(), key.timestamp()};
    } else {
        // A held key repeats as a release and a press at the same moment. Qt marks the pair as a
        // repeat when it reads both at once; on X11 it often reads them apart, and then only the
        // shared time tells.
        const bool repeat =
            key.isAutoRepeat() || std::pair{key.key(), key.timestamp()} == released_;
        if (repeat && key.key() == spokenKey_)
            return true;
        if (!repeat)
            spokenKey_ = 0;
    }
    inputKey_ = key.key();
    return false;
}

} // namespace mjcalc
