#include "toolkit/dialogs.h"
#include "toolkit/sheetfont.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mjcalc;

// Does what shows a modal dialog, notes what the dialog shows as soon as it is up, then answers it
// (OK or Cancel) whatever the notes say, so that a wrong dialog fails the test instead of leaving
// it waiting. A dialog that is not up within five seconds is given up on, and the notes say so.
static QStringList noteModal(const std::function<void()>& show, bool accept,
                             const std::function<QStringList(QDialog*)>& note)
{
    QStringList notes{QStringLiteral("no dialog came up")};
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog) {
            notes = note(dialog);
            accept ? dialog->accept() : dialog->reject();
        }
        if (dialog || waited.hasExpired(5000))
            poll.stop();
    });
    poll.start(10);
    show();
    return notes;
}

// The dialogs the shipped program really shows, answered through the toolkit. (That one player
// action says at most one thing is shown where the windows recount: the seams test.)
class TestDialogs : public QObject {
    Q_OBJECT

    QFont desktop_ = QApplication::font();
    QWidget owner_;
    // Over their window, in the desktop's font, though the program's windows have one of their own.
    QStringList placeAndFont(QDialog* dialog) const
    {
        return {QString::number(dialog->parentWidget() == &owner_),
                QString::number(dialog->font() == desktop_)};
    }

private slots:
    void initTestCase()
    {
        QFont pinned(QStringLiteral("Liberation Sans"));
        pinned.setPixelSize(7);
        useSheetFont(pinned);
    }

    void messageBoxIsModalWithOneOk_data()
    {
        for (const char* column : {"text", "title", "shown"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("qtIcon");
        const QString tooHigh = QStringLiteral("limit is toooooooo high");
        const QString program = QStringLiteral("MJ Calculator");
        QTest::newRow("error") << tooHigh << "" << program << MessageIcon::Error
                               << int(QMessageBox::Critical);
        QTest::newRow("warning") << tooHigh << "" << program << MessageIcon::Warning
                                 << int(QMessageBox::Warning);
        QTest::newRow("information, own title")
            << tooHigh << "Check This!"
            << "Check This!" << MessageIcon::Information << int(QMessageBox::Information);
        QTest::newRow("no icon, a short text")
            << "OK?"
            << "" << program << MessageIcon::None << int(QMessageBox::NoIcon);
    }
    void messageBoxIsModalWithOneOk()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(MessageIcon, icon);
        // In sight, with one OK and a close button alone in the frame, wide enough for the title.
        const QStringList seen = noteModal(
            [&] { QtDialogs().message(&owner_, text, icon, title); }, true,
            [&](QDialog* dialog) {
                const auto* box = qobject_cast<QMessageBox*>(dialog);
                dialog->showMinimized(); // as some window managers allow
                QCoreApplication::processEvents();
                const QFontMetrics metrics(dialog->font());
                const auto frame =
                    dialog->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                                             Qt::WindowMinMaxButtonsHint);
                return placeAndFont(dialog)
                       << QString::number(dialog->isMinimized()) << (box ? box->text() : QString())
                       << dialog->windowTitle() << QString::number(box ? box->icon() : -1)
                       << QString::number(box ? box->buttons().size() : 0)
                       << QString::number(frame ==
                                          (Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint))
                       << QString::number(dialog->width() >
                                          2 * metrics.horizontalAdvance(dialog->windowTitle()));
            });
        QFETCH(QString, shown);
        QFETCH(int, qtIcon);
        QCOMPARE(seen,
                 (QStringList{"1", "1", "0", text, shown, QString::number(qtIcon), "1", "1", "1"}));
    }

    void colourPicker_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK keeps the preselected colour") << true;
        QTest::newRow("Cancel gives nothing") << false;
    }
    void colourPicker()
    {
        QFETCH(bool, confirm);
        std::optional<QColor> chosen;
        const QStringList shown = noteModal(
            [&] { chosen = QtDialogs().pickColour(&owner_, QColor(10, 20, 30)); }, confirm,
            [&](QDialog* dialog) {
                const auto* picker = qobject_cast<QColorDialog*>(dialog);
                return placeAndFont(dialog) << (picker ? picker->currentColor().name() : "");
            });
        QCOMPARE(shown, (QStringList{"1", "1", "#0a141e"}));
        QCOMPARE(chosen, confirm ? std::optional<QColor>(QColor(10, 20, 30)) : std::nullopt);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
