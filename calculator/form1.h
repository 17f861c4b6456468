#pragma once

#include "calculator/pointsstate.h"
#include "calculator/scoring.h"
#include "toolkit/breakdown.h"
#include "toolkit/formlayout.h"
#include "toolkit/sheetwindow.h"

#include <cstdint>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace mjcalc {

class Dialogs;
class PlayerInput;

// The points calculator: the hand sheet, the table limit and the two results.
class Form1 final : public SheetWindow {
    Q_OBJECT

public:
    Form1(PointsState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // Recomputes the hand from the whole sheet and shows it; idle while no limit is entered.
    void tonen();
    // Starts a new count: HandPoints back to 20, results shown again, typing goes to the limit.
    void init();

    // The window's own text colour and that of its labels; boxes and buttons keep theirs.
    void setTextColour(const QColor& colour);
    // Behind the window, its labels and its check boxes; buttons and the limit box keep theirs.
    void setBackgroundColour(const QColor& colour);

    // How the window takes the player's input, for the messages of its menus.
    [[nodiscard]] PlayerInput& input() const { return *input_; }

private:
    void formLoad();
    void text1Change();
    void stepFlowers(int step);
    void showHint(int button);
    void command6Click();
    void command7Click();

    // Reads the sheet and scores it into HandPoints; false when the count overflowed.
    [[nodiscard]] bool puntentellen();
    void showResults(const QString& payout, const QString& points, const Breakdown& breakdown);
    void eastofniet(std::int64_t& amount) const;
    [[nodiscard]] bool eastTicked() const;
    [[nodiscard]] Breakdown breakdown() const;
    [[nodiscard]] QString resultText() const;
    [[nodiscard]] HandSheet readSheet() const;
    void showFlowerCount();
    void reportOverflow();

    // A box of the sheet and the scoring rule its row feeds.
    struct ScoredBox {
        QCheckBox* box;
        PointsRule rule;
    };

    PointsState& state_;
    FormControls controls_;
    PlayerInput* input_ = nullptr;
    QCheckBox* eastBox_ = nullptr; // Check1
    QLineEdit* text1_ = nullptr;
    QLabel* flowerLabel_ = nullptr; // Label36
    QLabel* payoutLabel_ = nullptr; // Label37
    QLabel* pointsLabel_ = nullptr; // Label38
    HandScore score_;               // the last count, kept for its breakdown
    Breakdown shown_;               // how the figures on screen came about
    std::vector<ScoredBox> scoredBoxes_;
};

} // namespace mjcalc
