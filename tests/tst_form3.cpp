#include "testsupport.h"

#include <QLabel>
#include <QTextDocumentFragment>

#include <memory>

using namespace mjcalc;

const Message kMaxedOut{
    "Vantoo has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)",
    MessageIcon::None, "MJ Calculator"};
const Message kSelfPick{"This means you also should check the Self Pick checkbox!",
                        MessageIcon::Warning, "MJ Calculator"};

using Said = QList<Message>; // the messages shown, first to last

class TestForm3 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Session> session_;
    QWidget* board() const { return session_->catalogue.window(FormId::Form3); }
    QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }
    // The main window's menu item, as the player chooses it there.
    bool choose(const QString& item) { return test::choose(form1(), item); }

private slots:
    void init()
    {
        session_ = std::make_unique<test::Session>();
        if (!choose("FancalculatorMenu"))
            return;
    }

    // Controls clicked ("close" closes the board; menu items are chosen in the main window), then
    // the total, also ending its hover breakdown, what is selected in reading order, and messages.
    void boardShowsWhatThePlayerDid_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("fans");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<Said>("said");
        QTest::newRow("dragons, pure, Return")
            << "Picture13 Picture14 Picture15 !Return Picture15 Check4" << 10
            << "Picture13 Picture14 Picture15 Check4" << Said{};
        QTest::newRow("a wind clears its row")
            << "Picture5 Picture6 Picture3" << 1 << "Picture3 Picture6" << Said{};
        QTest::newRow("maximum hands announced, not counted")
            << "Check4 Check6 Check7" << 7 << "Check4 Check6 Check7" << Said{kMaxedOut, kMaxedOut};
        QTest::newRow("hint") << "Command2" << 1 << "" << Said{kSelfPick};
        QTest::newRow("held Space")
            << "Check6 Check6 ~Space" << 1 << "Check6" << Said{kMaxedOut, kMaxedOut};
        QTest::newRow("clear all keeps the table box")
            << "Picture1 Picture9 Picture16 Check1 Check6 Check10 Check11 Command1" << 0
            << "Check11" << Said{kMaxedOut};
        QTest::newRow("menu again keeps the board")
            << "Picture14 Check5 FancalculatorMenu" << 3 << "Picture14 Check5" << Said{};
        QTest::newRow("reopened board starts fresh")
            << "Picture16 Check11 close FancalculatorMenu" << 1 << "" << Said{};
    }
    void boardShowsWhatThePlayerDid()
    {
        QFETCH(QString, clicks);
        QFETCH(Said, said);
        for (const QString& name : clicks.split(' ', Qt::SkipEmptyParts)) {
            if (name == "close")
                board()->close();
            else if (!(name.endsWith("Menu") ? choose(name) : test::play(board(), name)))
                return;
        }
        QFETCH(int, fans);
        auto* total = test::find<QLabel>(board(), "Label8");
        if (!total)
            return;
        QCOMPARE(total->text(), " " + QString::number(fans));
        const QString tip =
            QTextDocumentFragment::fromHtml(test::hoverToolTip(total)).toPlainText();
        QVERIFY(tip.simplified().endsWith("Your FANS " + QString::number(fans)));
        QStringList selected;
        for (const QAbstractButton* button : board()->findChildren<QAbstractButton*>())
            if (button->isChecked())
                selected << button->objectName();
        QTEST(selected.join(' '), "selected");
        for (Message& message : said)
            message.parent = board();
        QCOMPARE(session_->dialogs.messages, said);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
