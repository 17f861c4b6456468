#include "toolkit/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mjcalc;

// Runs once the next modal dialog is up; the answer closes it as the player would.
static void whenModalShows(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

// The dialogs the shipped program really shows, answered through the toolkit. (That one player
// action says at most one thing is shown where the windows recount: the seams test.)
class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void messageBoxIsModalWithOneOk_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("error") << MessageIcon::Error << "" << int(QMessageBox::Critical)
                               << "MJ Calculator";
        QTest::newRow("warning") << MessageIcon::Warning << "" << int(QMessageBox::Warning)
                                 << "MJ Calculator";
        QTest::newRow("information, own title") << MessageIcon::Information << "Check This!"
                                                << int(QMessageBox::Information) << "Check This!";
        QTest::newRow("no icon") << MessageIcon::None << "" << int(QMessageBox::NoIcon)
                                 << "MJ Calculator";
    }
    void messageBoxIsModalWithOneOk()
    {
        QFETCH(MessageIcon, icon);
        QFETCH(QString, title);
        QWidget owner;
        QStringList seen;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box && box->parentWidget() == &owner && box->buttons().size() == 1);
            seen << box->text() << box->windowTitle() << QString::number(box->icon());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QtDialogs().message(&owner, QStringLiteral("limit is toooooooo high"), icon, title);
        QFETCH(int, qtIcon);
        QFETCH(QString, shownTitle);
        QCOMPARE(seen,
                 (QStringList{"limit is toooooooo high", shownTitle, QString::number(qtIcon)}));
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
        QWidget owner;
        QColor preselected;
        whenModalShows([&](QWidget* modal) {
            auto* picker = qobject_cast<QColorDialog*>(modal);
            QVERIFY(picker && picker->parentWidget() == &owner);
            preselected = picker->currentColor();
            confirm ? picker->accept() : picker->reject();
        });
        const std::optional<QColor> chosen = QtDialogs().pickColour(&owner, QColor(10, 20, 30));
        QCOMPARE(preselected, QColor(10, 20, 30));
        QCOMPARE(chosen, confirm ? std::optional<QColor>(QColor(10, 20, 30)) : std::nullopt);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
