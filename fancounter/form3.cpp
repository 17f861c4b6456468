#include "fancounter/form3.h"

#include "fancounter/form3layout.h"
#include "toolkit/copyresult.h"
#include "toolkit/dialogs.h"
#include "toolkit/formlayout.h"
#include "toolkit/numbertext.h"
#include "toolkit/picturebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace mjcalc {

namespace {

constexpr int kAllTerminalsBox = 6;
constexpr int kAllHonorsBox = 7;
constexpr int kLastColouredBox = 10;
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
    : Sheet(QSize(twipsToPixels(kForm3Width), twipsToPixels(kForm3Height))), state_(state),
      colours_(colours), dialogs_(dialogs), images_(devicePixelRatioF())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("FanCounting"));
    const FormControls controls = buildControls(this, form3Controls());

    totalLabel_ = controls.get<QLabel>(ControlKind::Label, kTotalLabel);
    totalLabel_->setAccessibleDescription(QStringLiteral("Your FANS"));
    auto* hint = controls.get<QPushButton>(ControlKind::Button, kSelfPickHintButton);
    for (const ControlSpec& entry : controls.table()) {
        if (isLabel(entry) && entry.number <= kLastColouredLabel)
            handLabels_[entry.number] = static_cast<QLabel*>(controls.widget(entry));
        if (entry.kind == ControlKind::Picture) {
            const int picture = entry.number;
            pictures_[picture] = static_cast<PictureBox*>(controls.widget(entry));
            pictures_[picture]->setAccessibleName(QLatin1String(tileSpec(picture).spokenName));
            connect(pictures_[picture], &PictureBox::clicked, this,
                    [this, picture] { pictureClick(picture); });
        }
        if (entry.kind == ControlKind::CheckBox) {
            auto* box = static_cast<QCheckBox*>(controls.widget(entry));
            const int number = entry.number;
            boxes_[number] = box;
            // A box's caption is its own hidden name; a listener needs the label beside it.
            box->setAccessibleName(
                QString::fromUtf8(rowCaption(controls.table(), entry.kind, entry.number)));
            // stateChanged, not clicked: "CLEAR ALL" clearing a box must recount like a click.
            connect(box, &QCheckBox::stateChanged, this, [this, number] { checkClick(number); });
        }
        if (controls.widget(entry) == hint)
            hint->setAccessibleDescription(
                QString::fromUtf8(rowCaption(controls.table(), entry.kind, entry.number)));
    }
    connect(controls.get<QPushButton>(ControlKind::Button, kClearAllButton), &QPushButton::clicked,
            this, &Form3::command1Click);
    hint->setAccessibleName(QStringLiteral("Hint"));
    connect(hint, &QPushButton::clicked, this,
            [this] { dialogs_.message(this, kSelfPickHint, MessageIcon::Warning); });

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
    for (int box = 1; box <= kFanBoxCount; ++box)
        board.ticked[box] = boxes_[box]->checkState() == Qt::Checked;
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

void Form3::checkClick(int box)
{
    if (box == kAllTerminalsBox || box == kAllHonorsBox) {
        // A maximum hand is beyond counting: it is announced when ticked, never tallied.
        if (boxes_[box]->checkState() == Qt::Checked)
            dialogs_.message(this, kMaxedOut, MessageIcon::None);
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
    // The no-flowers table box stays: it describes the table, not the hand.
    for (int box = 1; box < kNoFlowerTableBox; ++box) {
        if (boxes_[box]->checkState() == Qt::Checked)
            boxes_[box]->setCheckState(Qt::Unchecked);
    }
}

void Form3::copyMainWindowColours()
{
    const SheetColours& colours = colours_;
    if (!colours.background && !colours.text)
        return;
    if (colours.background)
        setBackground(*colours.background);
    for (QLabel* label : handLabels_) {
        if (!label)
            continue;
        if (colours.background)
            setControlBackground(label, *colours.background);
        if (colours.text)
            setControlTextColour(label, *colours.text);
    }
    for (int box = 1; box <= kLastColouredBox; ++box) {
        if (colours.background)
            setControlBackground(boxes_[box], *colours.background);
        if (colours.text)
            setControlTextColour(boxes_[box], *colours.text);
    }
}

} // namespace mjcalc
