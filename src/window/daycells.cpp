// The day cells of the grid D, reached by number, and the date title.

#include "window/daycells.h"

#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/application/exceptions.h"
#include "platform/files/text.h"
#include "platform/windows/label.h"
#include "window/window1.h"

#include <array>
#include <string>

namespace tovy {

namespace {


} // namespace

platform::Label &Day_Cell(const Window1 &window, int32_t k)
{
    if (k < kFirstCell || k > kLastCell || window.D[static_cast<size_t>(k)] == nullptr)
        throw platform::NilObjectException("no day cell " + std::to_string(k));
    return *window.D[static_cast<size_t>(k)];
}

platform::Label &Today_Cell(const Window1 &window)
{
    const int32_t first = window.Get_Week(window.Start_Year, window.Start_Month, 1);
    return Day_Cell(window, first + window.Start_Day - 1);
}

void Copy_Today_To_DayTxt(Window1 &window)
{
    const platform::Label &today = Today_Cell(window);
    platform::Label &dayTxt = Required(window.DayTxt(), "DayTxt");
    dayTxt.SetText(today.Text());
    dayTxt.SetTextColor(today.TextColor());
}

std::string Date_Title(int32_t month, int32_t day, int32_t dayOfWeek)
{
    std::string title = platform::Str(month) + "." + platform::Str(day) + ".";
    if (dayOfWeek >= 1 && dayOfWeek <= 7)
        title += kWeekdayCharacters[static_cast<size_t>(dayOfWeek - 1)];
    return title;
}

} // namespace tovy
