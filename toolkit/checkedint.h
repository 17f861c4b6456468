#pragma once

#include <cstdint>
#include <optional>

namespace mjcalc {

// The counters are 32-bit like the ones players know from the table; a result that does not
// fit must be reported, never wrapped, so every step goes through these.
[[nodiscard]] inline std::optional<std::int32_t> checkedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

[[nodiscard]] inline std::optional<std::int32_t> checkedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return std::nullopt;
    return product;
}

} // namespace mjcalc
