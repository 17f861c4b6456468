#pragma once

#include "app/sheet.h"

namespace mjcalc {

struct AppState;

// The fan counter's board.
class Form3 final : public Sheet {
    Q_OBJECT

public:
    explicit Form3(AppState& state);

private:
    AppState& state_;
};

} // namespace mjcalc
