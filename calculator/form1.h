#pragma once

#include "calculator/pointsstate.h"
#include "calculator/scoring.h"
#include "toolkit/breakdown.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace mjcalc {

class Dialogs;
class FormControls;
class Sheet;

// The points calculator: the hand sheet, the table limit and the two results.
class Form1 final : public QMainWindow {
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
    void describeForScreenReaders(const FormControls& controls);

    PointsState& state_;
    Dialogs& dialogs_;
    Sheet* sheet_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* flowerLabel_ = nullptr; // Label36
    QLabel* payoutLabel_ = nullptr; // Label37
    QLabel* pointsLabel_ = nullptr; // Label38
    HandScore score_;               // the last count, kept for its breakdown
    Breakdown shown_;               // how the figures on screen came about
    std::array<QCheckBox*, kHighestBox + 1> boxes_{};
    QList<QLabel*> labels_;
};

} // namespace mjcalc
