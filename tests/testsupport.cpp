#include "testsupport.h"

namespace mjcalc::test {

void click(QWidget* window, const QString& name)
{
    QWidget* target = find<QWidget>(window, name);
    QVERIFY2(target, qPrintable(name));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

} // namespace mjcalc::test
