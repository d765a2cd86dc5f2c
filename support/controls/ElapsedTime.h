// The text of the timer button: time since a start tick, window-free.
#pragma once

#include <cstdint>
#include <string>

namespace support {

// "minutes:seconds" ("%d:%.2d") for the milliseconds from `startTick` to
// `nowTick`. The subtraction is unsigned, so it stays right across the wrap of
// the 32-bit tick count; minutes are never folded into hours (60:00, 75:00).
std::string ElapsedTimeText(std::uint32_t startTick, std::uint32_t nowTick);

} // namespace support
