#pragma once

#include <QColor>
#include <QString>

#include <optional>

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
    virtual ~Dialogs() = default;

    // Modal over the parent window, one OK button; without a title the program's name stands in
    // the title bar.
    void message(QWidget* parent, const QString& text, MessageIcon icon, const QString& title = {});

    // Modal colour picker over the parent window, opening on the preselected colour; empty when
    // the player cancels.
    virtual std::optional<QColor> pickColour(QWidget* parent, const QColor& preselected) = 0;

protected:
    virtual void present(const Message& message) = 0;
};

class QtDialogs final : public Dialogs {
public:
    std::optional<QColor> pickColour(QWidget* parent, const QColor& preselected) override;

protected:
    void present(const Message& message) override;
};

} // namespace mjcalc
