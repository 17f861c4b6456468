#include "app/program.h"

#include "calculator/form1layout.h"
#include "fancounter/form3layout.h"
#include "toolkit/pngimage.h"
#include "toolkit/sheetfont.h"

#include <QApplication>
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

    // Only the sizes a title bar or task bar uses; the large ones, for launchers, are installed
    // beside the desktop entry.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(
            QPixmap::fromImage(readPng(QStringLiteral(":/icons/mjcalc-%1.png").arg(size))));
    QApplication::setWindowIcon(icon);

    useSheetFont(chooseSheetFont({form1Controls(), form3Controls()}));
}

} // namespace mjcalc
