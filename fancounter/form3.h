#pragma once

#include "fancounter/fanstate.h"
#include "fancounter/fantally.h"
#include "fancounter/tileimages.h"
#include "toolkit/sheet.h"

#include <QList>

#include <array>

class QCheckBox;
class QLabel;

namespace mjcalc {

class Dialogs;
class PictureBox;

// The fan counter: the player clicks the hand's tiles and ticks its features, and the board
// shows the fans at once.
class Form3 final : public Sheet {
    Q_OBJECT

public:
    // The board takes the main window's colours as they are when it opens.
    Form3(FanState& state, const SheetColours& colours, Dialogs& dialogs);

    // Counts the fans afresh from the tiles and boxes and shows the total.
    void fantonen();

private:
    void formLoad();
    void pictureClick(int picture);
    void checkClick(int box);
    void command1Click();
    void showTile(int picture);
    void copyMainWindowColours();
    [[nodiscard]] FanBoard readBoard() const;

    FanState& state_;
    const SheetColours& colours_;
    Dialogs& dialogs_;
    TileImages images_;
    std::array<PictureBox*, kTileCount + 1> pictures_{};
    std::array<QCheckBox*, kFanBoxCount + 1> boxes_{};
    QLabel* totalLabel_ = nullptr; // Label8
    // Label1 to Label20 by number, which take the main window's colours; Label21 describes the
    // table, not the hand, and keeps its own.
    static constexpr int kLastColouredLabel = 20;
    std::array<QLabel*, kLastColouredLabel + 1> handLabels_{};
};

} // namespace mjcalc
