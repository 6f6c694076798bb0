#pragma once

#include <cstdint>

namespace platform {

// The local date and time at the moment of construction. Tests can set the
// clock through platform::testing::SetNow.
class Date {
public:
    Date();

    int32_t Year() const { return year_; }
    int32_t Month() const { return month_; }
    int32_t Day() const { return day_; }
    int32_t DayOfWeek() const { return dayOfWeek_; } // 1 Sunday .. 7 Saturday
    int32_t Hour() const { return hour_; }
    int32_t Second() const { return second_; }

private:
    int32_t year_ = 0;
    int32_t month_ = 0;
    int32_t day_ = 0;
    int32_t dayOfWeek_ = 0;
    int32_t hour_ = 0;
    int32_t second_ = 0;
};

} // namespace platform
