#include "toolkit/dialogs.h"

#include <QColorDialog>
#include <QMessageBox>

namespace mjcalc {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Dialogs::Action::Action(Dialogs& dialogs, Kind kind) : dialogs_(dialogs), wasQuiet_(dialogs.quiet_)
{
    if (dialogs_.actionDepth_++ == 0)
        dialogs_.spoken_ = false;
    if (kind == Quiet)
        dialogs_.quiet_ = true;
}

Dialogs::Action::~Action()
{
    --dialogs_.actionDepth_;
    dialogs_.quiet_ = wasQuiet_;
}

void Dialogs::message(QWidget* parent, const QString& text, MessageIcon icon, const QString& title)
{
    if (actionDepth_ > 0) {
        if (quiet_ || spoken_)
            return;
        spoken_ = true;
    }
    present({text, icon, title.isEmpty() ? QString::fromLatin1(kProgramName) : title, parent});
}

void QtDialogs::present(const Message& message)
{
    QMessageBox box(toQtIcon(message.icon), message.title, message.text, QMessageBox::Ok,
                    message.parent);
    box.exec();
}

std::optional<QColor> QtDialogs::pickColour(QWidget* parent, const QColor& preselected)
{
    const QColor chosen = QColorDialog::getColor(preselected, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace mjcalc
