#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

namespace mjcalc {

// The main window's colours as the player chose them; empty means the standard colour.
struct SheetColours {
    std::optional<QColor> text;
    std::optional<QColor> background;
    // Both colour commands open on the colour last confirmed in either of them.
    QColor remembered = Qt::black;
};

// A surface of controls at fixed places. Its background is painted here rather than through the
// palette, because a palette would spread the colour to the buttons and text boxes on it, which
// keep the standard colours whatever the player picks.
class Sheet : public QWidget {
public:
    Sheet(QSize size, QWidget* parent = nullptr);

    void setBackground(const QColor& colour);

    // The sheet's drawn size; the window may be larger (empty space) or smaller (hides a part).
    [[nodiscard]] QSize sizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize size_;
    std::optional<QColor> background_;
};

// The colours a player picks for single controls on a sheet: a label's or box's own text colour,
// and a background it fills itself.
void setControlTextColour(QWidget* control, const QColor& colour);
void setControlBackground(QWidget* control, const QColor& colour);

} // namespace mjcalc
