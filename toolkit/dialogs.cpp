#include "toolkit/dialogs.h"

#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QMessageBox>
#include <QTimer>
#if QT_CONFIG(settings)
#include <QSettings>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

// Some window managers let a dialog be minimised whatever it asks for, and take the window it
// belongs to along, which leaves the player an empty screen and a box waiting out of sight. A
// message box that is minimised comes back, and brings its window with it.
class StayInSight final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && box->isMinimized())
            QTimer::singleShot(0, box, [box] {
                box->showNormal();
                box->activateWindow();
            });
        return false;
    }
};

// The window a dialog belonged to takes the keyboard again once the dialog has closed, which a
// desktop's window manager sees to, but a browser page does not: there keys went nowhere until
// the player clicked the window.
void giveKeysBack(QWidget* owner)
{
    if (owner && owner->isVisible())
        owner->activateWindow();
}

} // namespace

void Dialogs::message(QWidget* parent, const QString& text, MessageIcon icon, const QString& title)
{
    present({text, icon, title.isEmpty() ? QString::fromLatin1(kProgramName) : title, parent});
}

void QtDialogs::present(const Message& message)
{
    QMessageBox box(toQtIcon(message.icon), message.title, message.text, QMessageBox::Ok,
                    message.parent);
    StayInSight stayInSight;
    box.installEventFilter(&stayInSight);
    // A close button alone: some window managers give a dialog minimise and maximise buttons as
    // well, and a message box minimised takes its window with it, leaving an empty screen.
    box.setWindowFlags(box.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    // Wide enough for the title, so that the window manager need not shorten it: the title in a
    // bold version of the desktop's font, as most title bars write it, with room for the window's
    // icon and its close button.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title.horizontalAdvance(message.title) + 6 * title.height(),
                                      0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    giveKeysBack(message.parent);
}

std::optional<QColor> QtDialogs::pickColour(QWidget* parent, const QColor& preselected)
{
    // The program keeps no settings, but Qt's colour dialog would: it stores the player's custom
    // colours in the configuration folder and offers them in the next run. Pointed at a folder
    // inside the program's resources, which can be neither created nor written, they last for
    // the run only. Done here rather than at start-up, because only this dialog reads or writes
    // settings, and most runs never open it. (The browser's Qt is built without settings.)
#if QT_CONFIG(settings)
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral(":/no-settings"));
#endif
#ifdef Q_OS_WIN
    // On Windows the dialog's settings are the user's registry, which no path redirects. While
    // it is open, and as it is destroyed, when it stores them, this process sees the user's
    // hive through a volatile key of its own, which is never saved and under which no lasting
    // key can be made; the key goes again with the dialog.
    const wchar_t* const standIn = L"Software\\MJ Calculator colour dialog";
    HKEY volatileKey = nullptr;
    const bool redirected =
        RegCreateKeyExW(HKEY_CURRENT_USER, standIn, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &volatileKey, nullptr) == ERROR_SUCCESS &&
        RegOverridePredefKey(HKEY_CURRENT_USER, volatileKey) == ERROR_SUCCESS;
#endif
    const QColor chosen = QColorDialog::getColor(preselected, parent);
#ifdef Q_OS_WIN
    if (redirected)
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (volatileKey) {
        RegCloseKey(volatileKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, standIn);
    }
#endif
    giveKeysBack(parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace mjcalc
