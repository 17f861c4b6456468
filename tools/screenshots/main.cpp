// Renders the windows with a sample hand for the README, on the offscreen platform, the way a
// player would fill them in: typing the limit, clicking boxes and tiles.

#include "app/appstate.h"
#include "app/program.h"
#include "app/windowcatalogue.h"
#include "toolkit/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QToolTip>

#include <cstdio>

using namespace mjcalc;

namespace {

void click(QWidget* window, const QString& name)
{
    auto* target = window->findChild<QWidget*>(name);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, 6));
}

void save(const QPixmap& picture, const QDir& folder, const QString& file)
{
    const QString path = folder.filePath(file);
    if (!picture.save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// The window with the breakdown a player sees when hovering the total.
QPixmap withToolTip(QWidget* window, QLabel* label)
{
    QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), label->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(label, &hover);
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tip = widget;
    }
    const QPixmap shot = window->grab();
    if (!tip)
        return shot;
    const QPixmap tipShot = tip->grab();
    // Beside the window rather than over it, so that both stay readable.
    const QPoint at(shot.width() + 8, label->mapTo(window, QPoint(0, 0)).y());
    QPixmap canvas(at.x() + tipShot.width() + 8,
                   std::max(shot.height(), at.y() + tipShot.height() + 8));
    canvas.fill(QColor(0xef, 0xef, 0xef));
    QPainter painter(&canvas);
    painter.drawPixmap(0, 0, shot);
    painter.drawPixmap(at, tipShot);
    painter.setPen(QColor(0x76, 0x76, 0x76));
    painter.drawRect(QRect(QPoint(0, 0), shot.size()).adjusted(0, 0, -1, -1));
    painter.drawRect(QRect(at, tipShot.size()).adjusted(0, 0, -1, -1));
    QToolTip::hideText();
    return canvas;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    describeApplication(application);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    AppState state;
    QtDialogs dialogs; // the sample hand raises no message
    WindowCatalogue catalogue(state, dialogs);
    QWidget* form1 = catalogue.open(FormId::Form1);

    QTest::keyClicks(form1->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("1000"));
    for (int box : {6, 10, 38, 50, 52, 56, 61, 65})
        click(form1, QStringLiteral("Check%1").arg(box));
    click(form1, QStringLiteral("Command5"));
    save(withToolTip(form1, form1->findChild<QLabel*>(QStringLiteral("Label38"))), folder,
         QStringLiteral("calculator.png"));

    form1->findChild<QAction*>(QStringLiteral("FancalculatorMenu"))->trigger();
    QWidget* form3 = catalogue.window(FormId::Form3);
    for (int picture : {1, 6, 10, 14, 17, 22})
        click(form3, QStringLiteral("Picture%1").arg(picture));
    for (int box : {3, 5})
        click(form3, QStringLiteral("Check%1").arg(box));
    save(withToolTip(form3, form3->findChild<QLabel*>(QStringLiteral("Label8"))), folder,
         QStringLiteral("fancounter.png"));

    form1->findChild<QAction*>(QStringLiteral("WhatgivesMenu"))->trigger();
    save(catalogue.window(FormId::Form7)->grab(), folder, QStringLiteral("fantable.png"));
    return 0;
}
