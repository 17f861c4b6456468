#include "toolkit/dialogs.h"

#include <QApplication>
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

void Dialogs::message(const QString& text, MessageIcon icon, const QString& title)
{
    present({text, icon, title.isEmpty() ? QString::fromLatin1(kProgramName) : title});
}

void QtDialogs::present(const Message& message)
{
    // Parented to the active window so that the box opens over the window the player works in.
    QMessageBox box(toQtIcon(message.icon), message.title, message.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

std::optional<QColor> QtDialogs::pickColour(const QColor& preselected)
{
    const QColor chosen = QColorDialog::getColor(preselected, QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace mjcalc
