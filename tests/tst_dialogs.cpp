#include "toolkit/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mjcalc;

Q_DECLARE_METATYPE(MessageIcon)

namespace {

// Runs once the next modal dialog is up, then closes it as the player would.
void whenModalShows(std::function<void(QWidget*)> answer)
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

} // namespace

// The dialogs the shipped program really shows, answered through the toolkit.
class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void messageBoxIsModalWithOneOk_data();
    void messageBoxIsModalWithOneOk();
    void colourPicker_data();
    void colourPicker();
    void onePlayerActionSaysAtMostOneThing_data();
    void onePlayerActionSaysAtMostOneThing();
};

namespace {

class Recorder final : public Dialogs {
public:
    QStringList said;
    std::optional<QColor> pickColour(QWidget*, const QColor&) override { return {}; }

protected:
    void present(const Message& message) override { said.append(message.text); }
};

} // namespace

void TestDialogs::messageBoxIsModalWithOneOk_data()
{
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<QString>("shownTitle");
    QTest::newRow("error, program's title")
        << MessageIcon::Error << "" << int(QMessageBox::Critical) << "MJ Calculator";
    QTest::newRow("warning") << MessageIcon::Warning << "" << int(QMessageBox::Warning)
                             << "MJ Calculator";
    QTest::newRow("information, own title") << MessageIcon::Information << "Check This!"
                                            << int(QMessageBox::Information) << "Check This!";
    QTest::newRow("no icon") << MessageIcon::None << "" << int(QMessageBox::NoIcon)
                             << "MJ Calculator";
}

void TestDialogs::messageBoxIsModalWithOneOk()
{
    QFETCH(MessageIcon, icon);
    QFETCH(QString, title);
    QFETCH(int, qtIcon);
    QFETCH(QString, shownTitle);
    QString seenText;
    QString seenTitle;
    int seenIcon = -1;
    int buttons = 0;
    QWidget owner;
    QWidget* seenParent = nullptr;
    whenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        seenParent = box->parentWidget();
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        buttons = box->buttons().size();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QtDialogs dialogs;
    dialogs.message(&owner, QStringLiteral("limit is toooooooo high"), icon, title);
    QCOMPARE(seenParent, &owner);
    QCOMPARE(seenText, QStringLiteral("limit is toooooooo high"));
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenIcon, qtIcon);
    QCOMPARE(buttons, 1);
}

void TestDialogs::colourPicker_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK keeps the preselected colour") << true;
    QTest::newRow("Cancel gives nothing") << false;
}

void TestDialogs::colourPicker()
{
    QFETCH(bool, confirm);
    QColor preselected;
    QWidget owner;
    QWidget* seenParent = nullptr;
    whenModalShows([&](QWidget* modal) {
        auto* picker = qobject_cast<QColorDialog*>(modal);
        QVERIFY(picker);
        seenParent = picker->parentWidget();
        preselected = picker->currentColor();
        confirm ? picker->accept() : picker->reject();
    });
    QtDialogs dialogs;
    const std::optional<QColor> chosen = dialogs.pickColour(&owner, QColor(10, 20, 30));
    QCOMPARE(seenParent, &owner);
    QCOMPARE(preselected, QColor(10, 20, 30));
    QCOMPARE(chosen.has_value(), confirm);
    if (confirm)
        QCOMPARE(*chosen, QColor(10, 20, 30));
}

void TestDialogs::onePlayerActionSaysAtMostOneThing_data()
{
    // A script of nested actions: "(" opens one that speaks, "[" a quiet one, ")" or "]" closes
    // it, and a letter is a message.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("heard");
    QTest::newRow("outside any action, every message") << "ab"
                                                       << "ab";
    QTest::newRow("one action, the first message") << "(abc)"
                                                   << "a";
    QTest::newRow("a nested recount adds nothing") << "(a(b))"
                                                   << "a";
    QTest::newRow("the next action speaks again") << "(a)(b)"
                                                  << "ab";
    QTest::newRow("a quiet action says nothing") << "[ab]"
                                                 << "";
    QTest::newRow("quiet inside an action") << "([a]b)"
                                            << "b";
    QTest::newRow("quiet ends with its action") << "[a](b)"
                                                << "b";
    QTest::newRow("nested in quiet, still quiet") << "[(a)]"
                                                  << "";
}

void TestDialogs::onePlayerActionSaysAtMostOneThing()
{
    QFETCH(QString, script);
    QFETCH(QString, heard);
    Recorder dialogs;
    std::function<void(qsizetype&)> run = [&](qsizetype& at) {
        while (at < script.size()) {
            const QChar step = script.at(at++);
            if (step == u')' || step == u']')
                return;
            if (step == u'(' || step == u'[') {
                Dialogs::Action action(dialogs, step == u'[' ? Dialogs::Action::Quiet
                                                             : Dialogs::Action::Speaks);
                run(at);
            } else {
                dialogs.message(nullptr, step, MessageIcon::None);
            }
        }
    };
    qsizetype at = 0;
    run(at);
    QCOMPARE(dialogs.said.join(QString()), heard);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
