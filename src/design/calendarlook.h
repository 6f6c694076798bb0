#pragma once

#include "platform/drawing/color.h"

#include <array>
#include <cstdint>

namespace tovy {

// The calendar window's sizes: as it opens, widened for the settings panel,
// and as the small-mode tile.
inline constexpr int32_t kNormalWidth = 102;
inline constexpr int32_t kNormalHeight = 114;
inline constexpr int32_t kWidenedWidth = 392;
inline constexpr int32_t kSmallWidth = 19;
inline constexpr int32_t kSmallHeight = 14;

// Weekdays in black, Sundays and holidays in red, Saturdays in blue, in the
// window and in the icon alike; the shown month's number in green.
inline constexpr platform::Color kBlack = platform::RGB(0, 0, 0);
inline constexpr platform::Color kRed = platform::RGB(255, 0, 0);
inline constexpr platform::Color kBlue = platform::RGB(0, 0, 255);
inline constexpr platform::Color kMonthGreen = platform::RGB(0, 128, 0);

// Sunday first, as the heads stand.
inline constexpr std::array<const char *, 7> kWeekdayCharacters{"日", "月", "火", "水", "木", "金", "土"};

} // namespace tovy
