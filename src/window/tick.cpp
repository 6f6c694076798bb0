// The once-a-second check that moves the window on to a new day.

#include "window/window1.h"

#include "design/required.h"
#include "platform/system/date.h"
#include "platform/windows/checkbox.h"
#include "window/daycells.h"

namespace tovy {

void Window1::Timer1_Action(platform::Timer &)
{
    Check_Day();
}

void Window1::Check_Day()
{
    const platform::Date now;
    // The whole date: a computer asleep from the 5th of one month to the
    // 5th of the next has still moved on.
    if (now.Year() == Start_Year && now.Month() == Start_Month && now.Day() == Start_Day)
        return;

    SetTitle(Date_Title(now.Month(), now.Day(), now.DayOfWeek()));
    Start_Year = now.Year();
    Start_Month = now.Month();
    Start_Day = now.Day();
    Reset_Day();
    Present_Set();
    // At every change, not only in small mode: entering small mode later
    // must show today, not the day the window opened.
    Copy_Today_To_DayTxt(*this);
    if (Required(CheckBox1(), "CheckBox1").Value())
        Draw_Dock();
}

} // namespace tovy
