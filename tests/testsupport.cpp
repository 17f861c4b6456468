#include "testsupport.h"

#include "app/program.h"
#include "toolkit/programstyle.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>

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
    QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

void click(QWidget* window, const QString& name)
{
    QWidget* target = find<QWidget>(window, name);
    QVERIFY2(target, qPrintable(name));
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
