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

// Does what shows a modal dialog, lets the note see the dialog as soon as it is up, then answers
// it (OK or Cancel) whatever the note found, so that a wrong dialog fails the test instead of
// leaving it waiting. False when no dialog came up within five seconds.
static bool answerModal(const std::function<void()>& show, bool accept,
                        const std::function<void(QDialog*)>& note)
{
    bool seen = false;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog) {
            seen = true;
            note(dialog);
            accept ? dialog->accept() : dialog->reject();
        }
        if (dialog || waited.hasExpired(5000))
            poll.stop();
    });
    poll.start(10);
    show();
    return seen;
}

// What a dialog showed, noted while it was up.
struct Shown {
    bool overOwner = false;
    bool desktopFont = false;
    bool minimized = true;
    QString text;
    QString title;
    int icon = -1;
    int buttons = 0;
    Qt::WindowFlags frame;
    int width = 0;
    int titleWidth = 0;
    QString colour;
};

// The dialogs the shipped program really shows, answered through the toolkit. (That one player
// action says at most one thing is shown where the windows recount: the seams test.)
class TestDialogs : public QObject {
    Q_OBJECT

    QFont desktop_ = QApplication::font();
    QWidget owner_;
    // Over their window, in the desktop's font, though the program's windows have one of their own.
    void notePlaceAndFont(QDialog* dialog, Shown& shown) const
    {
        shown.overOwner = dialog->parentWidget() == &owner_;
        shown.desktopFont = dialog->font() == desktop_;
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
        Shown seen;
        QVERIFY(answerModal(
            [&] { QtDialogs().message(&owner_, text, icon, title); }, true,
            [&](QDialog* dialog) {
                notePlaceAndFont(dialog, seen);
                dialog->showMinimized(); // as some window managers allow
                QCoreApplication::processEvents();
                seen.minimized = dialog->isMinimized();
                if (const auto* box = qobject_cast<QMessageBox*>(dialog)) {
                    seen.text = box->text();
                    seen.icon = box->icon();
                    seen.buttons = int(box->buttons().size());
                }
                seen.title = dialog->windowTitle();
                seen.frame =
                    dialog->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                                             Qt::WindowMinMaxButtonsHint);
                seen.width = dialog->width();
                seen.titleWidth =
                    QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle());
            }));
        QFETCH(QString, shown);
        QFETCH(int, qtIcon);
        QVERIFY(seen.overOwner);
        QVERIFY(seen.desktopFont);
        QVERIFY(!seen.minimized);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.title, shown);
        QCOMPARE(seen.icon, qtIcon);
        QCOMPARE(seen.buttons, 1);
        QCOMPARE(seen.frame, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
        QVERIFY2(seen.width > 2 * seen.titleWidth, qPrintable(QString::number(seen.width)));
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
        Shown seen;
        QVERIFY(answerModal([&] { chosen = QtDialogs().pickColour(&owner_, QColor(10, 20, 30)); },
                            confirm,
                            [&](QDialog* dialog) {
                                notePlaceAndFont(dialog, seen);
                                if (const auto* picker = qobject_cast<QColorDialog*>(dialog))
                                    seen.colour = picker->currentColor().name();
                            }));
        QVERIFY(seen.overOwner);
        QVERIFY(seen.desktopFont);
        QCOMPARE(seen.colour, "#0a141e");
        QCOMPARE(chosen, confirm ? std::optional<QColor>(QColor(10, 20, 30)) : std::nullopt);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
