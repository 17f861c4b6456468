#include "calculator/tablelimit.h"

namespace mjcalc {

LimitDecision decideTableLimit(QStringView text, NumberSeparators separators)
{
    if (text.isEmpty())
        return {LimitAction::Ignore, 0};

    const std::optional<double> leading = leadingNumber(text);
    if (!leading)
        return {LimitAction::Typo, 0};
    if (*leading > kHighestTableLimit)
        return {LimitAction::TooHigh, 0};

    const WholeNumber whole = textToInt32(text, separators);
    if (!whole.ok())
        return {LimitAction::Typo, 0};
    // "70,000" (or "70.000" in German) starts with 70 but means 70000: the highest limit holds for
    // the whole number too.
    if (whole.value > kHighestTableLimit)
        return {LimitAction::TooHigh, 0};
    // A negative limit would turn every payout into a debt.
    if (whole.value < 0)
        return {LimitAction::Typo, 0};
    return {LimitAction::Accept, whole.value};
}

} // namespace mjcalc
