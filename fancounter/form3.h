#pragma once

#include "app/sheet.h"
#include "fancounter/fantally.h"
#include "fancounter/tileimages.h"

#include <QList>

#include <array>

class QCheckBox;
class QLabel;

namespace mjcalc {

struct AppState;
class Dialogs;
class PictureBox;

// The fan counter: the player clicks the hand's tiles and ticks its features, and the board
// shows the fans at once.
class Form3 final : public Sheet {
    Q_OBJECT

public:
    Form3(AppState& state, Dialogs& dialogs);

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

    AppState& state_;
    Dialogs& dialogs_;
    TileImages images_;
    std::array<PictureBox*, kTileCount + 1> pictures_{};
    std::array<QCheckBox*, kFanBoxCount + 1> boxes_{};
    QLabel* totalLabel_ = nullptr; // Label8
};

} // namespace mjcalc
