#include "toolkit/dialogs.h"
#include "toolkit/sheetfont.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mjcalc;

// Does what shows a modal dialog; as soon as the dialog is up, lets the note see it, then answers
// it (OK or Cancel) whatever the note found, so that a wrong dialog fails the test instead of
// leaving it waiting. False when no dialog came up before what shows it returned.
static bool answerModal(const std::function<void()>& show, bool accept,
                        const std::function<void(QDialog*)>& note)
{
    bool seen = false;
    QTimer poll;
    poll.setSingleShot(true);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return poll.start(10); // not up yet: look again, until it is or show() has returned
        seen = true;
        note(dialog);
        accept ? dialog->accept() : dialog->reject();
    });
    poll.start(0);
    show();
    return seen;
}

// The dialogs the shipped program really shows, answered through the toolkit. (That one player
// action says at most one thing is shown where the windows recount: the seams test.)
class TestDialogs : public QObject {
    Q_OBJECT

    QFont desktop_ = QApplication::font();
    QWidget owner_;
    // Over their window, in the desktop's font, though the program's windows have one of their own.
    void comparePlaceAndFont(const QDialog* dialog) const
    {
        QCOMPARE(dialog->parentWidget(), &owner_);
        QCOMPARE(dialog->font(), desktop_);
    }

private slots:
    void initTestCase() { useSheetFont(QFont(QStringLiteral("Liberation Sans"), 7)); }

    void messageBoxIsModalWithOneOk_data()
    {
        for (const char* column : {"text", "title", "shown"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("qtIcon");
        const auto row = [](const char* tag, const char* text, const char* title, const char* shown,
                            MessageIcon icon, QMessageBox::Icon qtIcon) {
            QTest::newRow(tag) << text << title << shown << icon << int(qtIcon);
        };
        const char *tooHigh = "limit is toooooooo high", *program = "MJ Calculator";
        row("error", tooHigh, "", program, MessageIcon::Error, QMessageBox::Critical);
        row("warning", tooHigh, "", program, MessageIcon::Warning, QMessageBox::Warning);
        row("information, own title", tooHigh, "Check This!", "Check This!",
            MessageIcon::Information, QMessageBox::Information);
        row("no icon, a short text", "OK?", "", program, MessageIcon::None, QMessageBox::NoIcon);
    }
    void messageBoxIsModalWithOneOk()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, shown);
        QFETCH(int, qtIcon);
        // Compared while it is up: a failed comparison ends the note, and the box is answered.
        QVERIFY(answerModal([&] { QtDialogs().message(&owner_, text, icon, title); }, true,
                            [&](QDialog* dialog) {
                                comparePlaceAndFont(dialog);
                                const auto* box = qobject_cast<QMessageBox*>(dialog);
                                QVERIFY(box);
                                QCOMPARE(box->text(), text);
                                QCOMPARE(box->windowTitle(), shown);
                                QCOMPARE(int(box->icon()), qtIcon);
                                QCOMPARE(box->buttons().size(), 1);
                                // In sight, and a close button alone in the frame.
                                dialog->showMinimized(); // as some window managers allow
                                QCoreApplication::processEvents();
                                QVERIFY(!dialog->isMinimized());
                                QCOMPARE(dialog->windowFlags() &
                                             (Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                                              Qt::WindowMinMaxButtonsHint),
                                         Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
                                // Wide enough for its title.
                                QVERIFY2(
                                    dialog->width() >
                                        2 * QFontMetrics(dialog->font()).horizontalAdvance(shown),
                                    qPrintable(QString::number(dialog->width())));
                            }));
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
        QString preselected;
        QVERIFY(answerModal([&] { chosen = QtDialogs().pickColour(&owner_, QColor(10, 20, 30)); },
                            confirm,
                            [&](QDialog* dialog) {
                                comparePlaceAndFont(dialog);
                                if (const auto* picker = qobject_cast<QColorDialog*>(dialog))
                                    preselected = picker->currentColor().name();
                            }));
        QCOMPARE(preselected, "#0a141e");
        QCOMPARE(chosen, confirm ? std::optional<QColor>(QColor(10, 20, 30)) : std::nullopt);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
