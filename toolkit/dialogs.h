#pragma once

#include <QColor>
#include <QString>

#include <memory>
#include <optional>

class QObject;
class QWidget;

namespace mjcalc {

// Titles every message box that brings no title of its own.
inline constexpr char kProgramName[] = "MJ Calculator";

// The codes players of the old calculators know: 0 none, 16 stop, 48 exclamation, 64 "i".
enum class MessageIcon { None = 0, Error = 16, Warning = 48, Information = 64 };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    QString title;
    QWidget* parent = nullptr; // the window the box opens over

    friend bool operator==(const Message&, const Message&) = default;
};

// Every modal question the program asks goes through here, so that tests can answer instead of
// a person and never block on a dialog.
class Dialogs {
public:
    Dialogs();
    virtual ~Dialogs();

    // One thing the player did: a click, a keystroke. However often the program recounts on the
    // way, the player hears of it at most once: the first message of an action is shown, later
    // ones are dropped. A quiet action, such as clearing the sheet, shows none at all. Actions
    // may nest; the outermost one decides.
    class Action {
    public:
        enum Kind { Speaks, Quiet };
        explicit Action(Dialogs& dialogs, Kind kind = Speaks);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        Dialogs& dialogs_;
        bool wasQuiet_;
    };

    // Modal over the parent window, one OK button; without a title the program's name stands in
    // the title bar. A key held down speaks at most once: once a keystroke has raised a message,
    // the key's repeats are dropped until it is pressed again.
    void message(QWidget* parent, const QString& text, MessageIcon icon, const QString& title = {});

    // Modal colour picker over the parent window, opening on the preselected colour; empty when
    // the player cancels.
    virtual std::optional<QColor> pickColour(QWidget* parent, const QColor& preselected) = 0;

protected:
    virtual void present(const Message& message) = 0;

private:
    class KeyWatch;

    int actionDepth_ = 0;
    bool spoken_ = false;
    bool quiet_ = false;
    int inputKey_ = 0;  // the key of the input being handled; 0 for a mouse button
    int spokenKey_ = 0; // a key that raised a message since it was last pressed
    std::unique_ptr<QObject> keyWatch_;
};

class QtDialogs final : public Dialogs {
public:
    std::optional<QColor> pickColour(QWidget* parent, const QColor& preselected) override;

protected:
    void present(const Message& message) override;
};

} // namespace mjcalc
