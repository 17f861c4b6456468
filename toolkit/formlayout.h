#pragma once

#include "toolkit/controlspec.h"

#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

namespace mjcalc {

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
