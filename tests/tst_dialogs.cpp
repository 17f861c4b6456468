#include "toolkit/dialogs.h"
#include "toolkit/sheetfont.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mjcalc;

// Once the next modal dialog is up, lets the test note what it shows, then answers it: accepts or
// rejects it, whatever the notes say, so that a dialog that is not what it should be fails the
// test instead of leaving it waiting. A dialog that has not come up within five seconds is given
// up on; seen() then says so.
class NextModal final : public QObject {
public:
    NextModal(std::function<void(QDialog*)> note, bool accept)
    {
        waited_.start();
        connect(&poll_, &QTimer::timeout, this, [this, note, accept] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                seen_ = true;
                note(dialog);
                accept ? dialog->accept() : dialog->reject();
            }
            if (dialog || waited_.hasExpired(5000))
                poll_.stop();
        });
        poll_.start(10);
    }
    [[nodiscard]] bool seen() const { return seen_; }

private:
    QTimer poll_;
    QElapsedTimer waited_;
    bool seen_ = false;
};

// The dialogs the shipped program really shows, answered through the toolkit. (That one player
// action says at most one thing is shown where the windows recount: the seams test.)
class TestDialogs : public QObject {
    Q_OBJECT

    QFont desktop_ = QApplication::font();
    QWidget owner_;

private slots:
    // The program's windows in a font of their own, as the sheets have.
    void initTestCase()
    {
        QFont pinned(QStringLiteral("Liberation Sans"));
        pinned.setPixelSize(7);
        useSheetFont(pinned);
    }

    void messageBoxIsModalWithOneOk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<QString>("shownTitle");
        const QString tooHigh = QStringLiteral("limit is toooooooo high");
        QTest::newRow("error") << tooHigh << MessageIcon::Error << "" << int(QMessageBox::Critical)
                               << "MJ Calculator";
        QTest::newRow("warning") << tooHigh << MessageIcon::Warning << ""
                                 << int(QMessageBox::Warning) << "MJ Calculator";
        QTest::newRow("information, own title")
            << tooHigh << MessageIcon::Information << "Check This!" << int(QMessageBox::Information)
            << "Check This!";
        QTest::newRow("no icon, a short text")
            << "OK?" << MessageIcon::None << "" << int(QMessageBox::NoIcon) << "MJ Calculator";
    }
    void messageBoxIsModalWithOneOk()
    {
        QFETCH(QString, text);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, title);
        QStringList seen;
        // The box, in the desktop's font, wide enough for its title, with a close button only.
        const NextModal next(
            [&](QDialog* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                const Qt::WindowFlags frame = modal->windowFlags();
                seen << (box ? box->text() : QString()) << modal->windowTitle()
                     << QString::number(box ? box->icon() : -1)
                     << QString::number(box ? box->buttons().size() : 0)
                     << QString::number(modal->parentWidget() == &owner_)
                     << QString::number(modal->font() == desktop_)
                     << QString::number(
                            modal->width() >
                            2 * QFontMetrics(modal->font()).horizontalAdvance(modal->windowTitle()))
                     << QString::number(
                            (frame & (Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                                      Qt::WindowMinMaxButtonsHint)) ==
                            (Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint));
            },
            true);
        QtDialogs().message(&owner_, text, icon, title);
        QVERIFY2(next.seen(), "no message box came up");
        QFETCH(int, qtIcon);
        QFETCH(QString, shownTitle);
        QCOMPARE(seen,
                 (QStringList{text, shownTitle, QString::number(qtIcon), "1", "1", "1", "1", "1"}));
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
        QColor preselected;
        bool overOwnerInDesktopFont = false;
        const NextModal next(
            [&](QDialog* modal) {
                if (auto* picker = qobject_cast<QColorDialog*>(modal))
                    preselected = picker->currentColor();
                overOwnerInDesktopFont =
                    modal->parentWidget() == &owner_ && modal->font() == desktop_;
            },
            confirm);
        const std::optional<QColor> chosen = QtDialogs().pickColour(&owner_, QColor(10, 20, 30));
        QVERIFY2(next.seen(), "no colour dialog came up");
        QVERIFY(overOwnerInDesktopFont);
        QCOMPARE(preselected, QColor(10, 20, 30));
        QCOMPARE(chosen, confirm ? std::optional<QColor>(QColor(10, 20, 30)) : std::nullopt);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
