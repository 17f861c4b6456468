#include "app/program.h"

#include "calculator/form1layout.h"
#include "fancounter/form3layout.h"
#include "toolkit/pngimage.h"
#include "toolkit/sheetfont.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>

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

    // The sizes a title bar or task bar uses, as many as the resources bring; the large ones,
    // for launchers, are installed beside the desktop entry.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files))
        icon.addPixmap(QPixmap::fromImage(readPng(icons.filePath(file))));
    QApplication::setWindowIcon(icon);

    useSheetFont(chooseSheetFont({form1Controls(), form3Controls()}));
}

} // namespace mjcalc
