#include "fancounter/form3.h"

#include "fancounter/form3layout.h"
#include "toolkit/copyresult.h"
#include "toolkit/numbertext.h"
#include "toolkit/picturebox.h"
#include "toolkit/playerinput.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace mjcalc {

namespace {

// The controls the window drives, by their numbers on the board.
constexpr int kTotalLabel = 8;
constexpr int kClearAllButton = 1;
constexpr int kSelfPickHintButton = 2;

const QString kMaxedOut =
    QStringLiteral("Vantoo has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString kSelfPickHint =
    QStringLiteral("This means you also should check the Self Pick checkbox!");

} // namespace

Form3::Form3(FanState& state, const SheetColours& colours, Dialogs& dialogs)
    : SheetWindow(QSize(twipsToPixels(kForm3Width), twipsToPixels(kForm3Height))), state_(state),
      colours_(colours), controls_(buildControls(sheet(), form3Controls())),
      input_(new PlayerInput(dialogs, sheet())), images_(devicePixelRatioF())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("FanCounting"));

    totalLabel_ = controls_.get<QLabel>(ControlKind::Label, kTotalLabel);
    for (const ControlSpec& entry : controls_.table()) {
        if (entry.kind == ControlKind::Picture) {
            const int picture = entry.number;
            pictures_[picture] = static_cast<PictureBox*>(controls_.widget(entry));
            connect(pictures_[picture], &PictureBox::clicked, this,
                    [this, picture] { pictureClick(picture); });
        }
        if (entry.kind == ControlKind::CheckBox) {
            auto* box = static_cast<QCheckBox*>(controls_.widget(entry));
            const int row = rowRule(controls_.table(), entry);
            Q_ASSERT(row != kNoRule);
            const auto rule = static_cast<FanRule>(row);
            talliedBoxes_.push_back({box, rule});
            // toggled, not clicked: "CLEAR ALL" clearing a box must recount like a click.
            connect(box, &QCheckBox::toggled, this, [this, box, rule] { checkClick(box, rule); });
        }
    }
    connect(controls_.get<QPushButton>(ControlKind::Button, kClearAllButton), &QPushButton::clicked,
            this, &Form3::command1Click);
    connect(controls_.get<QPushButton>(ControlKind::Button, kSelfPickHintButton),
            &QPushButton::clicked, this,
            [this] { input_->message(kSelfPickHint, MessageIcon::Warning); });

    controls_.describeForScreenReaders();
    for (int picture = 1; picture <= kTileCount; ++picture)
        pictures_[picture]->setAccessibleName(QLatin1String(tileSpec(picture).spokenName));
    offerResultCopy(this, {totalLabel_},
                    [this] { return plainText(describeFans(tallyFans(readBoard()))); });
    formLoad();
}

void Form3::formLoad()
{
    // A new board shows no tile selected, so no flag may say otherwise.
    state_.TileFlags.fill(false);
    for (int picture = 1; picture <= kTileCount; ++picture)
        showTile(picture);
    state_.FanTotal = 0;
    fantonen();
    copyMainWindowColours();
}

void Form3::fantonen()
{
    const FanCount count = tallyFans(readBoard());
    state_.FanTotal = count.total;
    totalLabel_->setText(numberToText(state_.FanTotal));
    totalLabel_->setToolTip(toolTipTable(describeFans(count)));
}

FanBoard Form3::readBoard() const
{
    FanBoard board;
    board.tiles = state_.TileFlags;
    for (const TalliedBox& tallied : talliedBoxes_) {
        if (tallied.box->checkState() == Qt::Checked)
            board.tick(tallied.rule);
    }
    return board;
}

void Form3::pictureClick(int picture)
{
    const TileRow row = tileSpec(picture).row;
    clickTile(state_.TileFlags, picture);
    // Selecting a wind may have cleared its row partners, so the whole row is shown again.
    for (int other = 1; other <= kTileCount; ++other) {
        if (tileSpec(other).row == row)
            showTile(other);
    }
    fantonen();
}

void Form3::showTile(int picture)
{
    const TileSpec& tile = tileSpec(picture);
    const bool selected = state_.TileFlags[picture];
    pictures_[picture]->setPicture(images_.image(tile.face, selected));
    // A click has already flipped the button; the flags decide, since selecting a wind can also
    // clear its row partners.
    pictures_[picture]->setChecked(selected);
}

void Form3::checkClick(QCheckBox* box, FanRule rule)
{
    if (fanRow(rule).kind == FanKind::MaximumHand) {
        // A maximum hand is beyond counting: it is announced when ticked, never tallied.
        if (box->checkState() == Qt::Checked)
            input_->message(kMaxedOut, MessageIcon::None);
        return;
    }
    fantonen();
}

void Form3::command1Click()
{
    // Every tile as if selected, then clicked once more: each one ends up cleared and shown so.
    state_.TileFlags.fill(true);
    for (int picture = 1; picture <= kTileCount; ++picture)
        pictureClick(picture);
    controls_.clear(kClearedByClearAll);
}

void Form3::copyMainWindowColours()
{
    if (colours_.background)
        sheet()->setBackground(*colours_.background);
    controls_.colour(colours_.text, colours_.background);
}

} // namespace mjcalc
