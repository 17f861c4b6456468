#include "toolkit/copyresult.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace mjcalc {

namespace {

// A text box claims the Copy key even with nothing selected, when it would copy nothing; then
// the key is left to the window.
class CopyOnlyASelection final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) ||
            static_cast<QLineEdit*>(watched)->hasSelectedText())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void offerResultCopy(QWidget* window, std::initializer_list<QLabel*> labels,
                     std::function<QString()> result)
{
    auto* copy = new QAction(QStringLiteral("Copy result"), window);
    copy->setShortcuts(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, window, [result = std::move(result)] {
        QGuiApplication::clipboard()->setText(result());
    });
    window->addAction(copy);
    const QString keys = copy->shortcut().toString(QKeySequence::NativeText);
    for (QLabel* label : labels) {
        label->addAction(copy);
        label->setContextMenuPolicy(Qt::ActionsContextMenu);
        label->setAccessibleDescription(QStringLiteral("%1; Copy result: %2, context menu")
                                            .arg(label->accessibleDescription(), keys));
    }
    auto* selectionFirst = new CopyOnlyASelection(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(selectionFirst);
}

} // namespace mjcalc
