#pragma once

#include <cstddef>

namespace mjcalc {

// Whether each row of a rule table stands at the index its id gives, so that an id finds its
// row without a search.
template <typename Rows> [[nodiscard]] constexpr bool rowsInIdOrder(const Rows& rows)
{
    std::size_t index = 0;
    for (const auto& row : rows) {
        if (static_cast<std::size_t>(row.id) != index++)
            return false;
    }
    return true;
}

} // namespace mjcalc
