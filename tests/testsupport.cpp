#include "testsupport.h"

#include "app/program.h"
#include "toolkit/picturebox.h"

#include <QApplication>
#include <QHash>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QStyleFactory>
#include <QToolTip>

namespace mjcalc::test {

void lookLikeTheProgram()
{
    describeApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void click(QWidget* window, const QString& name)
{
    QWidget* target = find<QWidget>(window, name);
    QVERIFY2(target, qPrintable(name));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

namespace {

// The picture file of each tile picture, in picture order, as the board is drawn.
const char* const kTileFiles[] = {"east",    "south",   "west",    "north",   "east",    "south",
                                  "west",    "north",   "east",    "south",   "west",    "north",
                                  "white",   "red",     "green",   "flower1", "flower2", "flower3",
                                  "flower4", "season1", "season2", "season3", "season4"};

QImage tileImage(int picture, bool selected)
{
    static QHash<QString, QImage> loaded;
    const QString file =
        QStringLiteral(":/tiles/%1-%2.png")
            .arg(QLatin1String(kTileFiles[picture - 1]),
                 selected ? QLatin1String("selected") : QLatin1String("unselected"));
    auto found = loaded.find(file);
    if (found == loaded.end())
        found =
            loaded.insert(file, QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return *found;
}

} // namespace

bool showsSelectedTile(const QWidget* board, int picture)
{
    const auto* tile = find<PictureBox>(board, QStringLiteral("Picture%1").arg(picture));
    if (!tile)
        return false;
    const QImage shown =
        tile->picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (shown == tileImage(picture, true))
        return true;
    [&] { QVERIFY2(shown == tileImage(picture, false), qPrintable(tile->objectName())); }();
    return false;
}

QString hoverToolTip(QWidget* control)
{
    QToolTip::hideText();
    const QPoint inside(2, 2);
    QHelpEvent hover(QEvent::ToolTip, inside, control->mapToGlobal(inside));
    QApplication::sendEvent(control, &hover);
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return shown;
}

void verifyPlacement(const QWidget* window, const QString& name, const QRect& pixels,
                     const QString& caption)
{
    const QWidget* widget = find<QWidget>(window, name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
}

} // namespace mjcalc::test
