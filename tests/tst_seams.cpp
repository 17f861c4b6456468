#include "testsupport.h"
#include "toolkit/ruletable.h"
#include "toolkit/sheet.h"
#include "toolkit/sheetfont.h"
#include "toolkit/sheetwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>

using namespace mjcalc;
using mjcalc::test::find;

// The tables' own checks refuse a control placed between two pixels, a tab stop given twice or
// skipped, a name that is not its kind and number, and a rule row out of its id's place.
constexpr ControlSpec kHalfPixel[] = {
    {ControlKind::Label, 1, "Label1", "", 7, 0, 15, 15, 0, kCaption}};
static_assert(!wholePixelsAndCountedTabs(kHalfPixel));
constexpr ControlSpec kTabTwice[] = {
    {ControlKind::CheckBox, 1, "Check1", nullptr, 0, 0, 15, 15, 1, kHandBox},
    {ControlKind::CheckBox, 2, "Check2", nullptr, 0, 0, 15, 15, 1, kHandBox}};
static_assert(!wholePixelsAndCountedTabs(kTabTwice));
constexpr ControlSpec kTabSkipped[] = {
    {ControlKind::Button, 1, "Command1", "", 0, 0, 15, 15, 2, kCommand}};
static_assert(!wholePixelsAndCountedTabs(kTabSkipped));
constexpr ControlSpec kMisnamed[][1] = {
    {{ControlKind::Label, 2, "Label1", "", 0, 0, 15, 15, 0, kCaption}},
    {{ControlKind::Label, 1, "Check1", "", 0, 0, 15, 15, 0, kCaption}},
    {{ControlKind::Label, 1, "Label1x", "", 0, 0, 15, 15, 0, kCaption}},
    {{ControlKind::Label, 1, "Label", "", 0, 0, 15, 15, 0, kCaption}}};
static_assert(std::ranges::none_of(kMisnamed,
                                   [](const auto& table) { return namesFollowNumbers(table); }));
struct RuleRow {
    int id;
};
constexpr RuleRow kRulesSwapped[] = {{1}, {0}};
static_assert(!rowsInIdOrder(kRulesSwapped));

// Where two features meet: the keyboard and the sheets, what a screen reader hears, the widest
// figures and labels, the clipboard.
class TestSeams : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Session> session_;
    const QString onlyFamily_ = qEnvironmentVariable("MJCALC_ONLY_FAMILY");
    [[nodiscard]] QWidget* form1() const { return session_->catalogue.window(FormId::Form1); }

private slots:
    void initTestCase() // without MJCALC_ONLY_FAMILY's family, no desktop to stand for
    {
        if (!onlyFamily_.isEmpty() && !QFontDatabase::families().contains(onlyFamily_))
            QSKIP(qPrintable(onlyFamily_ + " is missing: install fonts-dejavu-core"));
    }
    void init() { session_ = std::make_unique<test::Session>(); }
    void cleanup() { session_.reset(); }

    void tabFollowsTheSheet_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("order"); // "Check1-3" stands for Check1 Check2 Check3
        QTest::newRow("main window")
            << FormId::Form1
            << "Text1 Check1-50 Check52-53 Command1-2 Check54-55 Command3 Check56-60 Command4-5 "
               "Check61-72 Command6-7";
        QTest::newRow("fan counter") << FormId::Form3 << "Picture1-23 Check1-10 Command1-2 Check11";
    }
    void tabFollowsTheSheet()
    {
        QFETCH(FormId, window);
        QFETCH(QString, order);
        QStringList expected;
        for (const QString& run : order.split(u' ')) {
            const auto parts =
                QRegularExpression(QStringLiteral("(\\D+)(\\d+)-?(\\d*)")).match(run);
            const int first = parts.captured(2).toInt(), last = parts.captured(3).toInt();
            for (int n = first; n <= qMax(first, last); ++n)
                expected << parts.captured(1) + QString::number(n);
        }
        // Every stop of the window's focus chain, from its first control round to the last: a
        // stop that is new or lost shows as much as one out of place.
        QWidget* shown = session_->catalogue.open(window);
        QStringList tabbed;
        for (QWidget* next = shown->nextInFocusChain(); next != shown;
             next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus && next->isVisibleTo(shown))
                tabbed << next->objectName();
        }
        QCOMPARE(tabbed, expected);
    }

    // What a screen reader hears of each control, and for a figure the widest text it can show,
    // which must fit its label with room to spare, in the label's own font.
    void controlsAreHeardAndFiguresFit_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("heard"); // name, then description after a "|"
        QTest::addColumn<QString>("widest");
        const auto row = [](const char* tag, FormId window, const char* control, const char* heard,
                            const char* widest = "") {
            QTest::newRow(tag) << window << control << heard << widest;
        };
        row("a meld", FormId::Form1, "Check3", "open pong 2-8, meld 2 of 4|");
        row("three boxes", FormId::Form1, "Check67", "closed pong/kong dragons, 3 of 3|");
        row("limit box", FormId::Form1, "Text1", "Table limit|");
        row("hint", FormId::Form1, "Command2", "Hint|closed kong honor");
        row("one flower fewer", FormId::Form1, "Command4",
            "One flower or season fewer|flowers and seasons");
        row("flower count", FormId::Form1, "Label36", "|flowers and seasons (read-only)", " 8");
        row("payout", FormId::Form1, "Label37", // 65536 x 6
            "|V! Points; Copy result: Ctrl+C, context menu (read-only)", " 393216");
        row("worth", FormId::Form1, "Label38",
            "|Your hand is worth; Copy result: Ctrl+C, context menu (read-only)", " 2147483647");
        row("fan box", FormId::Form3, "Check1", "All Pungs|");
        row("table box", FormId::Form3, "Check11", "Im playing a NO FA table|");
        row("fans: the board gives well under 99", FormId::Form3, "Label8",
            " 1|Your FANS; Copy result: Ctrl+C, context menu (read-only)", " 99");
        row("tile", FormId::Form3, "Picture6", "Seat wind South|");
        row("definitions", FormId::Form6, "Text1", "Defenitions| (read-only)");
    }
    void controlsAreHeardAndFiguresFit()
    {
        QFETCH(FormId, window);
        QFETCH(QString, control);
        QFETCH(QString, widest);
        QWidget* shown = find<QWidget>(session_->catalogue.open(window), control);
        if (!shown)
            return;
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(shown);
        QTEST(heard->text(QAccessible::Name) + u'|' + heard->text(QAccessible::Description) +
                  (heard->state().readOnly ? QStringLiteral(" (read-only)") : QString()),
              "heard");
        if (widest.isEmpty())
            return;
        const int room =
            shown->contentsRect().width() - QFontMetrics(shown->font()).horizontalAdvance(widest);
        QVERIFY2(room >= 4, qPrintable(QString::number(room)));
        QVERIFY(shown->geometry().right() < shown->parentWidget()->width());
    }

    // Every caption and button text fits its box, in the font the window gives it: the family the
    // sheets were drawn in, or with MJCALC_ONLY_FAMILY, the one family fontconfig offers.
    void captionsFitTheirBoxes()
    {
        for (FormId id : {FormId::Form1, FormId::Form3}) {
            QWidget* window = session_->catalogue.open(id);
            const QWidget* caption = find<QWidget>(window, "Label1");
            if (!caption)
                return;
            if (!onlyFamily_.isEmpty())
                QCOMPARE(QFontInfo(caption->font()).family(), onlyFamily_);
            for (const QWidget* control : window->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(control);
                const auto* button = qobject_cast<const QPushButton*>(control);
                const QString text = label ? label->text() : button ? button->text() : QString();
                const QFontMetrics metrics(control->font());
                QVERIFY2(metrics.horizontalAdvance(text) + (button ? 4 : 0) <= control->width() &&
                             (text.isEmpty() || metrics.height() <= control->height()),
                         qPrintable(control->objectName()));
            }
        }
    }

    // Where the sheets' family is missing, the largest size up to 11 pixels at which a caption
    // fits: a button's caption beside its frame of 4 pixels, a heading in bold a pixel larger,
    // every one within its height; 7 pixels when none is small enough.
    void fallbackFontMeasuresEachKind_data()
    {
        QTest::addColumn<ControlKind>("kind");
        QTest::addColumn<Purpose>("purpose");
        QTest::addColumn<int>("room");   // pixels of width beside the caption at 10 pixels
        QTest::addColumn<int>("height"); // pixels; 0 for as high as it needs
        QTest::addColumn<int>("least");  // the size chosen, from least to most
        QTest::addColumn<int>("most");
        const auto row = [](const char* tag, ControlKind kind, Purpose purpose, int room,
                            int height, int least, int most) {
            QTest::newRow(tag) << kind << purpose << room << height << least << most;
        };
        row("label, just room", ControlKind::Label, kCaption, 0, 0, 10, 10);
        row("label, a pixel short", ControlKind::Label, kCaption, -1, 0, 7, 9);
        row("button, room for its frame", ControlKind::Button, kCommand, 4, 0, 10, 10);
        row("button, no room for its frame", ControlKind::Button, kCommand, 3, 0, 7, 9);
        row("heading, in bold", ControlKind::Label, kHeading, 0, 0, 7, 9);
        row("too low for any", ControlKind::Label, kCaption, 0, 5, 7, 7);
        row("room to spare", ControlKind::Label, kCaption, 40, 0, 11, 11);
    }
    void fallbackFontMeasuresEachKind()
    {
        if (onlyFamily_.isEmpty())
            QSKIP("measured only where the sheets' family is missing: MJCALC_ONLY_FAMILY");
        QFETCH(ControlKind, kind);
        QFETCH(Purpose, purpose);
        QFETCH(int, room);
        QFETCH(int, height);
        QFETCH(int, least);
        QFETCH(int, most);
        QFont ten(onlyFamily_);
        ten.setPixelSize(10);
        const char* caption = "Your hand is worth";
        const int width = QFontMetrics(ten).horizontalAdvance(QString::fromLatin1(caption)) + room;
        const ControlSpec control{
            kind, 1, "Label1", caption, 0, 0, 15 * width, 15 * (height ? height : 40), 0, purpose};
        const QFont font = chooseSheetFont({std::span(&control, 1)});
        QCOMPARE(font.family(), onlyFamily_); // the desktop's own, where it is made for text
        const int chosen = font.pixelSize();
        QVERIFY2(chosen >= least && chosen <= most, qPrintable(QString::number(chosen)));
    }

    // Which controls show the colours the player chose for the main window, as they are drawn:
    // red text, then a teal background, each command on its own; the fan counter opened after
    // them. A box is widened until its caption, its hidden name, shows.
    void chosenColoursReachTheirControls_data()
    {
        QTest::addColumn<QString>("chosen"); // the main window's colour menu items
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("redText");
        QTest::addColumn<bool>("tealBackground");
        const auto rows = [](const char* chosen, FormId window, const char* what,
                             std::initializer_list<std::tuple<const char*, bool, bool>> controls) {
            for (const auto& [control, text, background] : controls)
                QTest::addRow("%s, %s %s", what, chosen, control)
                    << chosen << window << control << text << background;
        };
        rows("ForeMenu", FormId::Form1, "main window",
             {{"Label5", true, false},
              {"Label38", true, false},
              {"Check38", false, false},
              {"Command6", false, false},
              {"Text1", false, false}});
        rows("BackMenu", FormId::Form1, "main window",
             {{"Label5", false, true},
              {"Check38", false, true},
              {"Command6", false, false},
              {"Text1", false, false}});
        rows("ForeMenu BackMenu", FormId::Form3, "fan counter",
             {{"Label9", true, true},
              {"Label8", true, true},
              {"Check1", true, true},
              {"Label21", false, false},
              {"Check11", false, false},
              {"Command1", false, false}});
        rows("ForeMenu", FormId::Form3, "fan counter", {{"Label9", true, false}});
    }
    void chosenColoursReachTheirControls()
    {
        QFETCH(QString, chosen);
        QFETCH(FormId, window);
        QFETCH(QString, control);
        const QColor red(Qt::red), teal(Qt::darkCyan);
        for (const QString& item : chosen.split(u' ')) {
            session_->dialogs.colourAnswers = {item == u"ForeMenu" ? red : teal};
            if (!test::choose(form1(), item))
                return;
        }
        // A limit, so that the limit box and the figures have text to colour.
        QWidget* shown = session_->catalogue.open(window);
        if (window == FormId::Form1 && !test::play(shown, QStringLiteral(">500")))
            return;
        QWidget* drawn = find<QWidget>(shown, control);
        if (!drawn)
            return;
        if (drawn->inherits("QCheckBox"))
            drawn->resize(120, drawn->height());
        const QImage image = drawn->grab().toImage();
        const auto showsColour = [&image](const QColor& colour) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green()) +
                            qAbs(pixel.blue() - colour.blue()) <
                        40)
                        return true;
                }
            return false;
        };
        QTEST(showsColour(red), "redText");
        QTEST(showsColour(teal), "tealBackground");
    }

    // Tab walks every control into sight on any screen: wholly on the screen and unclipped while
    // it has the focus. A screen smaller than the window (QT_SCALE_FACTOR=2 makes offscreen's 400
    // pixels square) takes a scroll area; one large enough keeps the window as it was drawn.
    void focusBringsEachControlIntoSight_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("moves"); // the focus moved by other means than Tab
        QTest::newRow("main window, Clear ALL sends it to the limit")
            << FormId::Form1 << "!Shift+Tab Command6";
        QTest::newRow("fan counter, a button at the edge clicked") << FormId::Form3 << "Command2";
    }
    void focusBringsEachControlIntoSight()
    {
        QFETCH(FormId, window);
        auto* shown = static_cast<SheetWindow*>(session_->catalogue.open(window));
        QVERIFY(QTest::qWaitForWindowActive(shown));
        const QRect screen = shown->screen()->availableGeometry();
        const QWidget* bar = shown->menuWidget();
        const QSize drawn =
            shown->sheet()->sizeHint() + QSize(0, bar ? bar->sizeHint().height() : 0);
        const bool fits = drawn.width() <= screen.width() && drawn.height() <= screen.height();
        QCOMPARE(!shown->findChild<QScrollArea*>(), fits);
        QVERIFY(screen.contains(shown->frameGeometry()));
        if (fits)
            QCOMPARE(shown->size(), drawn);
        const auto outOfSight = [&screen](const QWidget* focused) {
            return !screen.contains(QRect(focused->mapToGlobal(QPoint()), focused->size())) ||
                   focused->visibleRegion() != QRegion(focused->rect());
        };
        QStringList unseen;
        QWidget* const first = QApplication::focusWidget();
        QWidget* focused = first;
        int stops = 0;
        do {
            if (outOfSight(focused))
                unseen << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
            focused = QApplication::focusWidget();
        } while (focused && focused != first && ++stops < 100);
        QCOMPARE(unseen, QStringList());
        QVERIFY2(focused == first && stops > 30, "Tab went round the window once");
        QFETCH(QString, moves);
        if (test::play(shown, moves))
            QVERIFY(!outOfSight(QApplication::focusWidget()));
    }

    // What Ctrl+C, wherever the focus is, or a label's "Copy result" puts on the clipboard.
    void resultIsCopied_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("copied");
        const QString nothing = "Your hand is worth: not counted, V! Points: not counted";
        QTest::newRow("empty sheet") << FormId::Form1 << "!Ctrl+C" << nothing;
        QTest::newRow("cleared") << FormId::Form1 << ">500 Check38 Command7 !Ctrl+C" << nothing;
        QTest::newRow("selection") << FormId::Form1 << ">500 Text1 !Ctrl+A !Ctrl+C"
                                   << "500";
        // The explanation's own words are the scoring's; here, that the whole of it is copied.
        QTest::newRow("not East, from a box")
            << FormId::Form1 << ">500 Check38 !Ctrl+C"
            << "Your hand is worth 28, Not East × 4, V! Points 112\nBase = 20\n"
               "closed pong honor: +8 = 28";
        QTest::newRow("fans, menu")
            << FormId::Form3 << "Picture5 Picture16 Picture22 Picture13 Check4 @Label8"
            << "Your FANS 8\nFlower 1, of your seat: +1\nWhite dragon pong: +1\nPure: +6";
    }
    void resultIsCopied()
    {
        QFETCH(FormId, window);
        QFETCH(QString, moves);
        QGuiApplication::clipboard()->clear();
        if (!test::play(session_->catalogue.open(window), moves))
            return;
        QTEST(QGuiApplication::clipboard()->text(), "copied");
    }
};

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
