#include "testsupport.h"

#include "app/program.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QTimer>
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

void play(QWidget* window, const QString& moves)
{
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (const QString& move : moves.split(u' ', Qt::SkipEmptyParts)) {
        QWidget* focus = QApplication::focusWidget();
        const QKeyCombination key = QKeySequence(move.mid(1))[0];
        if (move.startsWith(u'>')) {
            QTest::keyClicks(focus, move.mid(1));
        } else if (move.startsWith(u'^')) {
            QGuiApplication::clipboard()->setText(move.mid(1));
            QTest::keySequence(focus, QKeySequence::Paste);
        } else if (move.startsWith(u'!')) {
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        } else if (move.startsWith(u'~')) { // repeats: up and down at once, X11 often unmarked
            static quint64 moment = 0;
            for (int i = 0; i < 8; ++i) {
                QKeyEvent event(i % 2 ? QEvent::KeyRelease : QEvent::KeyPress, key.key(),
                                key.keyboardModifiers(), move == "~Space" ? " " : "",
                                i == 1 || i == 2);
                event.setTimestamp(moment += i % 2 || i == 0);
                QApplication::sendEvent(window->windowHandle(), &event);
            }
        } else if (move.startsWith(u'@')) { // the menu waits for a choice, made once it shows
            QTimer::singleShot(0, window, [] {
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            });
            QWidget* control = find<QWidget>(window, move.mid(1));
            QContextMenuEvent menu(QContextMenuEvent::Mouse, {}, control->mapToGlobal(QPoint()));
            QApplication::sendEvent(control, &menu);
        } else {
            click(window, move == "+" ? "Command5" : move == "--" ? "Command4" : move);
        }
    }
}

} // namespace mjcalc::test
