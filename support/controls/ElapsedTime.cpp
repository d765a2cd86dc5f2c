#include "support/controls/ElapsedTime.h"

#include <cstdio>

namespace support {

std::string ElapsedTimeText(std::uint32_t startTick, std::uint32_t nowTick) {
    const std::uint32_t elapsed = nowTick - startTick;
    std::uint32_t seconds = elapsed / 1000;
    std::uint32_t minutes = 0;
    if (seconds > 59) {
        minutes = seconds / 60;
        seconds %= 60;
    }
    char text[100];
    std::snprintf(text, sizeof text, "%d:%.2d", static_cast<int>(minutes),
                  static_cast<int>(seconds));
    return text;
}

} // namespace support
