// The calendar rules as the window's members, and the marking of a month's
// national holidays on its day cells.

#include "window/window1.h"

#include "calendar/calendar.h"
#include "platform/windows/label.h"
#include "window/daycells.h"

namespace tovy {

std::string Window1::Nen(int32_t year) const
{
    return calendar::Nen(year);
}

int32_t Window1::Month_Long(int32_t year, int32_t month) const
{
    return calendar::Month_Long(year, month);
}

int32_t Window1::Get_Week(int32_t year, int32_t month, int32_t day) const
{
    return calendar::Get_Week(year, month, day);
}

int32_t Window1::Second_Monday(int32_t first) const
{
    return calendar::Second_Monday(first);
}

void Window1::Cong_Day(int32_t year, int32_t month, int32_t first)
{
    for (const calendar::HolidayMark &mark : calendar::Holiday_Marks(year, month)) {
        const int64_t k = int64_t{mark.day} + first - 1;
        // The equinox formula leaves the month only in distant years; such
        // a mark has no cell and touches nothing.
        if (k < kFirstCell || k > kLastCell)
            continue;
        const auto cell = static_cast<int32_t>(k);
        if (mark.turn_red)
            Set_Red(cell);
        Day_Cell(*this, cell).SetHelpTag(mark.name);
    }
}

} // namespace tovy
