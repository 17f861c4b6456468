#include "testsupport.h"

#include "app/program.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <stdexcept>

namespace mjcalc::test {

void lookLikeTheProgram()
{
    // The offscreen platform warns on every window it is asked to raise or to size by hints,
    // which it cannot do and need not; a test that opens windows by the thousand would drown in
    // these, and Qt Test stops printing after its warning limit.
    static const QtMessageHandler next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (type != QtWarningMsg || !text.startsWith(u"This plugin does not support"))
                next(type, context, text);
        });
    describeApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void failMissing(const QWidget* window, const QString& name)
{
    const QString missing =
        window ? QStringLiteral("%1 has no control named %2").arg(window->objectName(), name)
               : QStringLiteral("no window is open to look for %1 in").arg(name);
    QTest::qFail(qPrintable(missing), __FILE__, __LINE__);
    throw std::runtime_error(missing.toStdString());
}

void click(QWidget* window, const QString& name)
{
    QWidget* target = find<QWidget>(window, name);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

QString hoverToolTip(QWidget* control)
{
    // A tip fades out over a while after hideText(); gone at once, it cannot pass for the next.
    const auto hideTips = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->inherits("QTipLabel"))
                window->hide();
        }
    };
    hideTips();
    const QPoint inside(2, 2);
    QHelpEvent hover(QEvent::ToolTip, inside, control->mapToGlobal(inside));
    QApplication::sendEvent(control, &hover);
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    hideTips();
    return shown;
}

} // namespace mjcalc::test
