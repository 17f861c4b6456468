#include "calculator/form1.h"

#include "calculator/form1layout.h"
#include "calculator/handbreakdown.h"
#include "calculator/tablelimit.h"
#include "toolkit/copyresult.h"
#include "toolkit/numbertext.h"
#include "toolkit/playerinput.h"
#include "toolkit/sheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace mjcalc {

namespace {

// The controls the window drives, by their numbers on the sheet.
constexpr int kLimitBox = 1;
constexpr int kEastBox = 1;
constexpr int kFlowerLabel = 36;
constexpr int kPayoutLabel = 37;
constexpr int kPointsLabel = 38;
constexpr int kWorthlessHandHint = 3;
constexpr int kClearAllButton = 6;
constexpr int kClearButton = 7;

const QString kTooHigh = QStringLiteral("limit is toooooooo high");
const QString kTypo = QStringLiteral("You made a typo, mahjongaddict");
const QString kTooLarge =
    QStringLiteral("The points of this hand are too large to count: they go past 2147483647.\n"
                   "Untick a doubling to count the hand again.");
const QString kHonorHint = QStringLiteral(
    "If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed pong/kong "
    "dragon/seat or prevailing wind (on the right side)!");
const QString kWorthlessHint =
    QStringLiteral("This does not aply when you have a pair of dragons or prevailing/seat winds !");
// What the two result labels say while they show no figure.
const QString kNothingCounted =
    QStringLiteral("Your hand is worth: not counted, V! Points: not counted");

BoxValue boxValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return BoxValue::Ticked;
    case Qt::PartiallyChecked:
        return BoxValue::Greyed;
    case Qt::Unchecked:
        break;
    }
    return BoxValue::Clear;
}

} // namespace

Form1::Form1(PointsState& state, Dialogs& dialogs, QWidget* parent)
    : SheetWindow(QSize(twipsToPixels(kForm1Width), twipsToPixels(kForm1Height)), parent),
      state_(state)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("V! Mah-Jongg Calculator"));

    sheet()->setObjectName(QStringLiteral("Form1Sheet"));
    controls_ = buildControls(sheet(), form1Controls());
    input_ = new PlayerInput(dialogs, sheet());

    text1_ = controls_.get<QLineEdit>(ControlKind::TextBox, kLimitBox);
    eastBox_ = controls_.get<QCheckBox>(ControlKind::CheckBox, kEastBox);
    flowerLabel_ = controls_.get<QLabel>(ControlKind::Label, kFlowerLabel);
    payoutLabel_ = controls_.get<QLabel>(ControlKind::Label, kPayoutLabel);
    pointsLabel_ = controls_.get<QLabel>(ControlKind::Label, kPointsLabel);
    for (const ControlSpec& entry : controls_.table()) {
        QWidget* control = controls_.widget(entry);
        if (entry.purpose.role == Role::Hint)
            connect(static_cast<QPushButton*>(control), &QPushButton::clicked, this,
                    [this, hint = entry.number] { showHint(hint); });
        if (entry.kind != ControlKind::CheckBox)
            continue;
        auto* box = static_cast<QCheckBox*>(control);
        if (const int rule = rowRule(controls_.table(), entry); rule != kNoRule)
            scoredBoxes_.push_back({box, static_cast<PointsRule>(rule)});
        // toggled, not clicked: a box the program clears must recount just like a click.
        connect(box, &QCheckBox::toggled, this, [this] {
            PlayerInput::Action action(*input_);
            tonen();
        });
    }

    connect(text1_, &QLineEdit::textChanged, this, &Form1::text1Change);
    const auto button = [this](int number) {
        return controls_.get<QPushButton>(ControlKind::Button, number);
    };
    connect(button(kFewerFlowersButton), &QPushButton::clicked, this, [this] { stepFlowers(-1); });
    connect(button(kMoreFlowersButton), &QPushButton::clicked, this, [this] { stepFlowers(+1); });
    connect(button(kClearAllButton), &QPushButton::clicked, this, &Form1::command6Click);
    connect(button(kClearButton), &QPushButton::clicked, this, &Form1::command7Click);

    controls_.describeForScreenReaders();
    button(kFewerFlowersButton)->setAccessibleName(QStringLiteral("One flower or season fewer"));
    button(kMoreFlowersButton)->setAccessibleName(QStringLiteral("One flower or season more"));
    offerResultCopy(this, {payoutLabel_, pointsLabel_}, [this] { return resultText(); });
    text1_->setFocus();
    formLoad();
}

void Form1::formLoad()
{
    state_.FlowerCount = 0;
    state_.TableLimit = 0;
    tonen();
}

void Form1::init()
{
    state_.HandPoints = kBasePoints;
    tonen();
    text1_->setFocus();
}

void Form1::tonen()
{
    if (state_.TableLimit == 0)
        return;
    if (!puntentellen()) {
        reportOverflow();
        return;
    }
    std::int64_t amount = cappedPoints(state_.HandPoints, state_.TableLimit);
    eastofniet(amount);
    showResults(numberToText(amount), numberToText(state_.HandPoints), breakdown());
}

bool Form1::puntentellen()
{
    score_ = scoreHand(readSheet());
    state_.HandPoints = score_.handPoints;
    return !score_.overflow;
}

void Form1::eastofniet(std::int64_t& amount) const
{
    amount *= eastFactor(eastTicked());
}

bool Form1::eastTicked() const
{
    return boxValue(eastBox_) == BoxValue::Ticked;
}

Breakdown Form1::breakdown() const
{
    return describeHand(score_, state_.TableLimit, eastTicked());
}

void Form1::showResults(const QString& payout, const QString& points, const Breakdown& breakdown)
{
    payoutLabel_->setText(payout);
    pointsLabel_->setText(points);
    shown_ = breakdown;
    const QString toolTip = breakdown.isEmpty() ? QString() : toolTipTable(breakdown);
    payoutLabel_->setToolTip(toolTip);
    pointsLabel_->setToolTip(toolTip);
}

QString Form1::resultText() const
{
    // What the labels show, not a new count: with the counting paused (no limit, or 0) they keep
    // the last result, and recounting could raise a message.
    return shown_.isEmpty() ? kNothingCounted : plainText(shown_);
}

HandSheet Form1::readSheet() const
{
    HandSheet sheet;
    for (const ScoredBox& scored : scoredBoxes_) {
        if (boxValue(scored.box) == BoxValue::Ticked)
            sheet.tick(scored.rule);
    }
    sheet.flowerCount = state_.FlowerCount;
    sheet.tableLimit = state_.TableLimit;
    return sheet;
}

void Form1::reportOverflow()
{
    // A wrapped or stale figure would be read as the hand's worth, so neither stays on screen;
    // the breakdown still tells where the count stopped.
    showResults({}, {}, breakdown());
    input_->message(kTooLarge, MessageIcon::Error);
}

void Form1::text1Change()
{
    // Putting the highest limit in the box comes back here, and may overflow: still one message.
    PlayerInput::Action action(*input_);
    const LimitDecision decision =
        decideTableLimit(text1_->text(), NumberSeparators::of(QLocale()));
    switch (decision.action) {
    case LimitAction::Ignore:
        return;
    case LimitAction::Typo:
        input_->message(kTypo, MessageIcon::Warning);
        return;
    case LimitAction::TooHigh:
        input_->message(kTooHigh, MessageIcon::Error);
        // Changing the text comes straight back here with the highest limit, which takes it and
        // recounts; counting once more afterwards could only repeat that.
        text1_->setText(numberToText(kHighestTableLimit));
        return;
    case LimitAction::Accept:
        state_.TableLimit = decision.limit;
        tonen();
        return;
    }
}

void Form1::stepFlowers(int step)
{
    PlayerInput::Action action(*input_);
    const std::int32_t next = state_.FlowerCount + step;
    if (next >= 0 && next <= kMaxFlowers) {
        state_.FlowerCount = next;
        showFlowerCount();
    }
    tonen();
}

void Form1::showFlowerCount()
{
    flowerLabel_->setText(state_.FlowerCount == 0 ? QString() : numberToText(state_.FlowerCount));
}

void Form1::showHint(int button)
{
    input_->message(button == kWorthlessHandHint ? kWorthlessHint : kHonorHint,
                    MessageIcon::Warning);
}

void Form1::command6Click()
{
    // Clearing is never a mistake, and the player is not asked to untick what the program is
    // unticking itself: whatever the cleared boxes meet on the way goes unsaid.
    PlayerInput::Action quiet(*input_, PlayerInput::Action::Quiet);
    state_.TableLimit = 0;
    // An empty limit box is ignored by its change handler, so this raises no message; each
    // cleared box recounts through its own change handler, like a player's click.
    controls_.clear(kClearedByClearAll);
    command7Click();
}

void Form1::command7Click()
{
    PlayerInput::Action quiet(*input_, PlayerInput::Action::Quiet);
    controls_.clear(kClearedByClearHand);
    state_.FlowerCount = 0;
    flowerLabel_->clear();
    init();
    // The sheet is empty, so whatever init just showed is not a hand anybody holds.
    showResults({}, {}, {});
}

void Form1::setTextColour(const QColor& colour)
{
    // Only the controls the sheet colours: the window draws no text of its own, and a
    // window-wide palette would spread to the other boxes and buttons.
    controls_.colour(colour, std::nullopt);
}

void Form1::setBackgroundColour(const QColor& colour)
{
    sheet()->setBackground(colour);
    controls_.colour(std::nullopt, colour);
}

} // namespace mjcalc
