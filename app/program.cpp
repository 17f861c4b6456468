#include "app/program.h"

#include "calculator/form1layout.h"
#include "fancounter/form3layout.h"
#include "toolkit/sheetfont.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace mjcalc {

QString programVersionText()
{
    return QStringLiteral("%1.%2")
        .arg(MJCALC_VERSION_MAJOR)
        .arg(MJCALC_VERSION_MINOR, 2, 10, QLatin1Char('0'));
}

void describeApplication(QApplication& application)
{
    application.setApplicationName(QStringLiteral("mjcalc"));
    application.setApplicationVersion(programVersionText());
    application.setOrganizationName(QStringLiteral("MJ Calculator"));

    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    useSheetFont(chooseSheetFont({form1Controls(), form3Controls()}));
}

void giveWindowsTheirIcon()
{
    // The sizes a title bar or task bar uses, as many as the resources bring; the large ones,
    // for launchers, are installed beside the desktop entry. Each is named with its size
    // (mjcalc-32.png), so that it is decoded only when a platform asks for it: a browser's title
    // bar wants one small picture, and decoding the large ones delayed the first window.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files)) {
        const int side = file.section(QLatin1Char('-'), -1).section(QLatin1Char('.'), 0, 0).toInt();
        icon.addFile(icons.filePath(file), QSize(side, side));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace mjcalc
