#pragma once

#include <QMainWindow>

class QScrollArea;

namespace mjcalc {

class Sheet;

// A window that shows a sheet at its drawn size. Where the available area of the screen the
// window is on is smaller than the window, the window takes no more than that area and shows the
// sheet in a scroll area that follows the focus, so that every control can still be seen and
// reached by Tab or by scrolling. On a screen large enough for it nothing is added.
class SheetWindow : public QMainWindow {
public:
    explicit SheetWindow(QSize drawnSize, QWidget* parent = nullptr);

    [[nodiscard]] Sheet* sheet() const { return sheet_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitScreen();
    void scrollSheet();

    Sheet* sheet_;
    QScrollArea* scroller_ = nullptr;
    QSize natural_; // the window's size with the whole sheet shown, taken when it is first shown
    QMetaObject::Connection screenArea_;
};

} // namespace mjcalc
