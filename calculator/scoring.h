#pragma once

#include <array>
#include <cstdint>

namespace mjcalc {

// Box values as the hand sheet holds them. Only Ticked scores; a greyed box is not ticked.
enum class BoxValue : std::uint8_t { Clear = 0, Ticked = 1, Greyed = 2 };

inline constexpr int kEastBox = 1;
inline constexpr int kHighestBox = 72;
inline constexpr int kMissingBox = 51; // the sheet has no box with this number
inline constexpr int kMaxFlowers = 8;

// Everything the points depend on, read from the sheet in one go.
struct HandSheet {
    std::array<BoxValue, kHighestBox + 1> boxes{}; // indexed by box number; 0 and 51 unused
    std::int32_t flowerCount = 0;
    std::int32_t tableLimit = 0;

    [[nodiscard]] bool ticked(int box) const { return boxes.at(box) == BoxValue::Ticked; }
};

struct HandScore {
    std::int32_t handPoints = 0;
    // On overflow the count stops at the rule that would have left the 32-bit range:
    // handPoints is the value before it and stoppedAtBox names it (0 for the flower rule).
    bool overflow = false;
    int stoppedAtBox = 0;
};

// The hand's points before the cap and the East factor: 20, then every rule in box order.
[[nodiscard]] HandScore scoreHand(const HandSheet& sheet);

// What the table pays: the points capped at the limit, six times for East, four otherwise.
// Wide enough that no limit or hand can make it wrap.
[[nodiscard]] std::int64_t payout(std::int32_t handPoints, std::int32_t tableLimit, bool east);

} // namespace mjcalc
