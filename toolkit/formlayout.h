#pragma once

#include <QRect>
#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

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

// The controls a form's table created, each found through its entry rather than by a search
// of the surface's children.
class FormControls {
public:
    FormControls(std::span<const ControlSpec> table, std::vector<QWidget*> widgets)
        : table_(table), widgets_(std::move(widgets))
    {}

    [[nodiscard]] std::span<const ControlSpec> table() const { return table_; }
    [[nodiscard]] QWidget* widget(const ControlSpec& entry) const
    {
        return widgets_[static_cast<std::size_t>(&entry - table_.data())];
    }
    // The control of that name; a missing one is a fault in the table, not a user error.
    template <typename T> T* get(std::string_view name) const
    {
        for (const ControlSpec& entry : table_) {
            if (name == entry.name) {
                T* found = qobject_cast<T*>(widget(entry));
                Q_ASSERT_X(found, "FormControls::get", entry.name);
                return found;
            }
        }
        Q_ASSERT_X(false, "FormControls::get", "no such control");
        return nullptr;
    }

private:
    std::span<const ControlSpec> table_;
    std::vector<QWidget*> widgets_;
};

// Creates the controls on the surface at their fixed places, named after the table, in the tab
// order the table gives, in the surface's font.
[[nodiscard]] FormControls buildControls(QWidget* surface, std::span<const ControlSpec> controls);

// The label that names a control: the nearest one to its left on its line with a caption; none
// when there is no such label.
[[nodiscard]] const ControlSpec* rowLabel(std::span<const ControlSpec> controls,
                                          const ControlSpec& control);
// That label's caption, or an empty text.
[[nodiscard]] QString rowCaption(std::span<const ControlSpec> controls, const ControlSpec& control);

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
