#pragma once

#include "fancounter/fanstate.h"
#include "fancounter/fantally.h"
#include "fancounter/tileimages.h"
#include "toolkit/formlayout.h"
#include "toolkit/sheet.h"
#include "toolkit/sheetwindow.h"

#include <array>
#include <vector>

class QCheckBox;
class QLabel;

namespace mjcalc {

class Dialogs;
class PictureBox;
class PlayerInput;

// The fan counter: the player clicks the hand's tiles and ticks its features, and the board
// shows the fans at once.
class Form3 final : public SheetWindow {
    Q_OBJECT

public:
    // The board takes the main window's colours as they are when it opens.
    Form3(FanState& state, const SheetColours& colours, Dialogs& dialogs);

    // Counts the fans afresh from the tiles and boxes and shows the total.
    void fantonen();

private:
    void formLoad();
    void pictureClick(int picture);
    void checkClick(QCheckBox* box, FanRule rule);
    void command1Click();
    void showTile(int picture);
    void copyMainWindowColours();
    [[nodiscard]] FanBoard readBoard() const;

    // A box of the board and the rule of the tally its row feeds.
    struct TalliedBox {
        QCheckBox* box;
        FanRule rule;
    };

    FanState& state_;
    const SheetColours& colours_;
    FormControls controls_;
    PlayerInput* input_ = nullptr;
    TileImages images_;
    std::array<PictureBox*, kTileCount + 1> pictures_{};
    std::vector<TalliedBox> talliedBoxes_;
    QLabel* totalLabel_ = nullptr; // Label8
};

} // namespace mjcalc
