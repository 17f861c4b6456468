#include "testsupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

namespace mjcalc::test {

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
