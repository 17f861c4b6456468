#include "testsupport.h"

#include "app/program.h"
#include "calculator/form1layout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

namespace mjcalc::test {

Session::Session(bool openMainWindow)
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
    if (openMainWindow)
        catalogue.open(FormId::Form1);
}

void fail(const QString& what, const std::source_location& where)
{
    QTest::qFail(qPrintable(what), where.file_name(), int(where.line()));
}

QString textOf(const QWidget* window, const QString& name, const std::source_location& where)
{
    const QWidget* control = find<QWidget>(window, name, where);
    const QVariant text =
        control ? control->property(control->inherits("QPlainTextEdit") ? "plainText" : "text")
                : QString();
    if (!text.isValid())
        fail(QStringLiteral("%1 shows no text").arg(name), where);
    return text.toString();
}

bool choose(const QWidget* window, const QString& item, const std::source_location& where)
{
    QAction* action = find<QAction>(window, item, where);
    if (action)
        action->trigger();
    return action;
}

bool click(QWidget* window, const QString& name, const std::source_location& where)
{
    QWidget* target = find<QWidget>(window, name, where);
    if (target)
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    return target;
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

namespace {

// The flower buttons go by what they do, not by their numbers on the sheet.
QString buttonNamed(const QString& move)
{
    const int number = move == u"+" ? kMoreFlowersButton : kFewerFlowersButton;
    return QString::fromLatin1(findControl(form1Controls(), ControlKind::Button, number)->name);
}

} // namespace

bool play(QWidget* window, const QString& moves, const std::source_location& where)
{
    if (!window || !QTest::qWaitForWindowActive(window)) {
        fail(QStringLiteral("%1 never became active for: %2")
                 .arg(window ? window->objectName() : QStringLiteral("no window"), moves),
             where);
        return false;
    }
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
        } else if (move.startsWith(u'~') || move.startsWith(u'*')) {
            // Repeats: up and down at once, which X11 often leaves unmarked; "*" only the marked
            // repeats of a key held since before.
            static quint64 moment = 0;
            for (int i = 0; i < 8; ++i) {
                QKeyEvent event(i % 2 ? QEvent::KeyRelease : QEvent::KeyPress, key.key(),
                                key.keyboardModifiers(), move.mid(1) == "Space" ? " " : "",
                                move[0] == u'*' || i == 1 || i == 2);
                event.setTimestamp(moment += i % 2 || i == 0);
                QApplication::sendEvent(window->windowHandle(), &event);
            }
        } else if (move.startsWith(u'@')) { // the menu waits for a choice, made once it shows
            QWidget* control = find<QWidget>(window, move.mid(1), where);
            if (!control)
                return false;
            QTimer::singleShot(0, window, [] {
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            });
            QContextMenuEvent menu(QContextMenuEvent::Mouse, {}, control->mapToGlobal(QPoint()));
            QApplication::sendEvent(control, &menu);
        } else if (!click(window, move == u"+" || move == u"--" ? buttonNamed(move) : move,
                          where)) {
            return false;
        }
    }
    return true;
}

} // namespace mjcalc::test
