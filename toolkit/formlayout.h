#pragma once

#include "toolkit/controltable.h"

#include <QWidget>

#include <optional>
#include <span>
#include <vector>

namespace mjcalc {

// The controls a form's table created, each found through its entry rather than by a search
// of the surface's children.
class FormControls {
public:
    FormControls() = default;
    FormControls(std::span<const ControlSpec> table, std::vector<QWidget*> widgets)
        : table_(table), widgets_(std::move(widgets))
    {}

    [[nodiscard]] std::span<const ControlSpec> table() const { return table_; }
    [[nodiscard]] QWidget* widget(const ControlSpec& entry) const
    {
        return widgets_[static_cast<std::size_t>(&entry - table_.data())];
    }
    // The control of that kind and number; a missing one is a fault in the table, not a user
    // error, and stops the program.
    template <typename T> T* get(ControlKind kind, int number) const
    {
        const ControlSpec* entry = findControl(table_, kind, number);
        T* found = entry ? qobject_cast<T*>(widget(*entry)) : nullptr;
        if (!found)
            qFatal("The form's table has no %s%d of the kind the window needs", namePrefix(kind),
                   number);
        return found;
    }

    // Unticks the ticked boxes and empties the text boxes that have the trait; each one tells
    // its window of the change, as a player's click would.
    void clear(Trait clearedBy) const;
    // Gives each control the colours set that its traits say it takes; an empty one leaves that
    // colour as it is.
    void colour(const std::optional<QColor>& text, const std::optional<QColor>& background) const;
    // Names each box and text box by its row, and where the row has several boxes, which one it
    // is (a box's caption is its own hidden name, useless to a listener); describes each button
    // and value by its row; names the hint buttons.
    void describeForScreenReaders() const;

private:
    std::span<const ControlSpec> table_;
    std::vector<QWidget*> widgets_;
};

// Creates the controls on the surface at their fixed places, named after the table, in the tab
// order the table gives, in the surface's font.
[[nodiscard]] FormControls buildControls(QWidget* surface, std::span<const ControlSpec> controls);

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
