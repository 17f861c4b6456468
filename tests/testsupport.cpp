#include "testsupport.h"

#include "app/program.h"

#include <QApplication>
#include <QHelpEvent>
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

} // namespace mjcalc::test
