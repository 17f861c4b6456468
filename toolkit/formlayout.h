#pragma once

#include <QRect>
#include <QWidget>

#include <span>

namespace mjcalc {

// Forms are drawn in twips, 1/1440 inch; at 96 dots per inch that is 15 to a pixel.
[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}
[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

enum class ControlKind { Label, BoldLabel, CheckBox, Button, TextBox, Line, Picture };

// One control of a form, as the form's drawing gives it. A check box's caption is its own name,
// which its small size hides, so only the box shows. For a Line the four numbers are the two end
// points, x1, y1, x2, y2.
struct ControlSpec {
    ControlKind kind;
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex = 0; // 1 first; 0 for controls that take no focus
};

// Creates the controls on the surface at their fixed places, named after the table, in the tab
// order the table gives.
void buildControls(QWidget* surface, std::span<const ControlSpec> controls);

// The caption of the label that names a control: the nearest label to its left on its line.
[[nodiscard]] QString rowCaption(std::span<const ControlSpec> controls, const ControlSpec& control);

// Finds a control the table created; a missing one is a fault in the table, not a user error.
template <typename T> T* control(const QWidget* surface, const QString& name)
{
    T* found = surface->findChild<T*>(name);
    Q_ASSERT_X(found, "control", qPrintable(name));
    return found;
}

// A straight line between two points of the form, in the text colour.
class LineControl final : public QWidget {
public:
    LineControl(QPoint from, QPoint to, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
};

} // namespace mjcalc
