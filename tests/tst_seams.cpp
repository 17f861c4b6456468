#include "fancounter/fantally.h"
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
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

using namespace mjcalc;
using mjcalc::test::find;

// The tables' checks refuse a place or size between pixels, a tab stop twice or skipped, a name
// not its kind and number, a rule out of its id's place, a caption of a rule the logic lacks.
constexpr ControlSpec label(const char* name, int number, std::array<int, 4> place = {},
                            int tab = 0, int rule = kNoRule)
{
    return {ControlKind::Label, number,   name,     "a", place[0],
            place[1],           place[2], place[3], tab, {Role::RowCaption, kNoTrait, rule}};
}
constexpr ControlSpec kRefused[][2] = {{label("Label1", 1, {7, 0, 0, 0}), label("Label2", 2)},
                                       {label("Label1", 1, {0, 7, 0, 0}), label("Label2", 2)},
                                       {label("Label1", 1, {0, 0, 7, 0}), label("Label2", 2)},
                                       {label("Label1", 1, {0, 0, 0, 7}), label("Label2", 2)},
                                       {label("Label1", 1, {}, 1), label("Label2", 2, {}, 1)},
                                       {label("Label1", 1, {}, 2), label("Label2", 2, {}, 3)},
                                       {label("Label1", 2), label("Label2", 2)},
                                       {label("Check1", 1), label("Label2", 2)},
                                       {label("Label1x", 1), label("Label2", 2)},
                                       {label("Label", 1), label("Label2", 2)}};
static_assert(std::ranges::none_of(kRefused, [](const auto& t) {
    return wholePixelsAndCountedTabs(t) && namesFollowNumbers(t);
}));
constexpr FanRow kSwapped[] = {{FanRule::AllChows, "b", FanKind::Fans},
                               {FanRule::AllPungs, "a", FanKind::Fans}};
constexpr ControlSpec kBeyond[] = {label("Label1", 1, {}, 0, 0), label("Label2", 2, {}, 0, 1)};
static_assert(!rowsInIdOrder(kSwapped) &&
              !captionsNameTheirRules(kBeyond, std::span(kSwapped + 1, 1)));
// Each rule named by exactly one caption, in its own words: not twice, never, or in others.
constexpr std::array kTwice{label("Label1", 1, {}, 0, 0), label("Label2", 2, {}, 0, 0)};
constexpr std::array kNever{label("Label1", 1), label("Label2", 2)};
constexpr FanRow kOtherWords[] = {{FanRule::AllPungs, "b", FanKind::Fans}};
static_assert(!captionsNameTheirRules(kTwice, std::span(kSwapped + 1, 1)) &&
              !captionsNameTheirRules(kNever, std::span(kSwapped + 1, 1)) &&
              !captionsNameTheirRules(std::array{label("Label1", 1, {}, 0, 0)}, kOtherWords));

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

    // Tab walks the sheet in its drawn order and brings each control into sight, on any screen:
    // wholly on the screen and unclipped while it has the focus; so does a click or the program
    // moving the focus. A screen smaller than the window (QT_SCALE_FACTOR=2 makes offscreen's 400
    // pixels square) takes a scroll area, with a bar only the way the sheet does not fit; one large
    // enough keeps the window as it was drawn. A window moved to another screen fits that one,
    // its frame brought wholly onto it (tests/screens.json, for CTest's tst_seams_screens).
    void tabFollowsTheSheet_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("screens"); // moved to each in turn: name@left,top of the frame
        QTest::addColumn<QString>("order");   // "Check1-3" stands for Check1 Check2 Check3
        QTest::addColumn<QString>("moves");   // the focus moved by other means than Tab
        const auto row = [](const char* tag, FormId window, const char* screens) {
            const bool sheet = window == FormId::Form1; // Clear ALL sends the focus to the limit
            QTest::newRow(tag) << window << screens
                               << (sheet ? "Text1 Check1-50 Check52-53 Command1-2 Check54-55 "
                                           "Command3 Check56-60 Command4-5 Check61-72 Command6-7"
                                         : "Picture1-23 Check1-10 Command1-2 Check11")
                               << (sheet ? "!Shift+Tab Command6" : "Command2");
        };
        row("main window", FormId::Form1, "");
        row("fan counter", FormId::Form3, "");
        row("main window, to a short screen", FormId::Form1, "short@10,5");
        row("main window, to a narrow screen, left edge off", FormId::Form1, "narrow@-30,20");
        row("fan counter, to a short screen, left edge off", FormId::Form3, "short@-30,0");
        row("fan counter, to a narrow screen", FormId::Form3, "narrow@0,0");
        row("main window, to a short screen, then a large one", FormId::Form1,
            "short@10,5 large@50,40");
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
        auto* shown = static_cast<SheetWindow*>(session_->catalogue.open(window));
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QFETCH(QString, screens);
        for (const QString& move : screens.split(u' ', Qt::SkipEmptyParts)) {
            const auto to =
                QRegularExpression(QStringLiteral("(\\w+)@(-?\\d+),(-?\\d+)")).match(move);
            const auto all = QGuiApplication::screens();
            const auto it = std::ranges::find(all, to.captured(1), &QScreen::name);
            if (it == all.end())
                QSKIP("moves between the screens of tests/screens.json: CTest's tst_seams_screens");
            shown->move((*it)->availableGeometry().topLeft() +
                        QPoint(to.captured(2).toInt(), to.captured(3).toInt()));
            QCoreApplication::processEvents();
            QCOMPARE(shown->screen(), *it);
        }
        const QRect screen = shown->screen()->availableGeometry();
        const QWidget* bar = shown->menuWidget();
        const QSize drawn =
            shown->sheet()->sizeHint() + QSize(0, bar ? bar->sizeHint().height() : 0);
        const QSize room = screen.size() - (shown->frameGeometry().size() - shown->size());
        const bool fits = drawn.width() <= room.width() && drawn.height() <= room.height();
        const auto* scroller = shown->findChild<QScrollArea*>();
        QCOMPARE(!scroller, fits && screens.isEmpty());
        QVERIFY(screen.contains(shown->frameGeometry()));
        QVERIFY(!fits || shown->size() == drawn);
        // A scroll bar only the way the sheet does not fit, once the scroll area is laid out.
        QTRY_COMPARE(scroller && scroller->verticalScrollBar()->isVisible(),
                     drawn.height() > room.height());
        QTRY_COMPARE(scroller && scroller->horizontalScrollBar()->isVisible(),
                     drawn.width() > room.width());
        // Unclipped in a window wholly on the screen: wholly on the screen.
        const auto seen = [](const QWidget* focused) {
            const bool whole = focused->visibleRegion() == QRegion(focused->rect());
            return focused->objectName() + (whole ? "" : " out of sight");
        };
        // Every stop, from the first control round to the last: a stop that is new or lost shows
        // as much as one out of place.
        QWidget* const start = find<QWidget>(shown, expected.first());
        start->setFocus();
        QStringList tabbed;
        for (QWidget* focused = start; focused && tabbed.size() < 100;) {
            tabbed << seen(focused);
            QTest::keyClick(focused, Qt::Key_Tab);
            if ((focused = QApplication::focusWidget()) == start)
                break;
        }
        QCOMPARE(tabbed, expected);
        QFETCH(QString, moves);
        if (test::play(shown, moves))
            QCOMPARE(seen(QApplication::focusWidget()), QApplication::focusWidget()->objectName());
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
        row("one flower more", FormId::Form1, "Command5",
            "One flower or season more|flowers and seasons");
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
