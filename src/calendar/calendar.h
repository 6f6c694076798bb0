#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The Japanese civil calendar's rules, as pure functions.
namespace calendar {

std::string Nen(int32_t year); // era-year text, UTF-8: "令和8年", "平成元年"
int32_t Month_Long(int32_t year, int32_t month);
int32_t Get_Week(int32_t year, int32_t month, int32_t day); // 1 Sunday .. 7; 8 up to 1582
int32_t Second_Monday(int32_t first); // from the weekday of the 1st; 0 for no weekday

struct HolidayMark {
    int32_t day;
    bool turn_red;
    std::string name;
};

// The month's holiday marks in the order of the rules; days always lie
// within the month. A holiday whose day falls outside its month (the equinox
// formula runs out of March after 4523) is dropped, and so is its substitute.
std::vector<HolidayMark> Holiday_Marks(int32_t year, int32_t month);

} // namespace calendar
