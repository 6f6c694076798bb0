#pragma once

#include <cstdint>
#include <string>

namespace platform {
class Label;
}

namespace tovy {

class Window1;

inline constexpr int32_t kFirstCell = 1;
inline constexpr int32_t kLastCell = 42;

// Cell k of the grid D; a cell that is not there (outside 1 to 42, or
// before the grid step) is the framework's nil-object error.
platform::Label &Day_Cell(const Window1 &window, int32_t k);

// The cell of the stored today (Start_Year, Start_Month, Start_Day).
platform::Label &Today_Cell(const Window1 &window);

// Gives the small-mode day number the text and colour of today's cell.
void Copy_Today_To_DayTxt(Window1 &window);

// "12.10.木": month, day and weekday character, no leading zeros; a weekday
// outside 1 to 7 gives no character.
std::string Date_Title(int32_t month, int32_t day, int32_t dayOfWeek);

} // namespace tovy
