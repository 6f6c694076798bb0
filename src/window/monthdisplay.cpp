// Putting a month on the calendar window: the 42 day cells, the year, month
// and era labels, the navigation faces and the date title.

#include "window/window1.h"

#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/files/text.h"
#include "platform/system/date.h"
#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
#include "window/buttonpictures.h"
#include "window/daycells.h"

#include <string>
#include <utility>

namespace tovy {

namespace {

bool IsSundayCell(int32_t k)
{
    return (k - 1) % 7 == 0;
}

bool IsSaturdayCell(int32_t k)
{
    return k % 7 == 0;
}

} // namespace

void Window1::Reset_Day()
{
    for (int32_t k = kFirstCell; k <= kLastCell; ++k) {
        platform::Label &cell = Day_Cell(*this, k);
        cell.SetBold(false);
        cell.SetUnderline(false);
        cell.SetHelpTag(std::string());
    }
    for (int32_t k = kFirstCell; k <= kLastCell; ++k)
        Day_Cell(*this, k).SetTextColor(kBlack);
    for (int32_t k = kFirstCell; k <= kLastCell; ++k) {
        if (IsSundayCell(k))
            Day_Cell(*this, k).SetTextColor(kRed);
    }
    for (int32_t k = kFirstCell; k <= kLastCell; ++k) {
        if (IsSaturdayCell(k))
            Day_Cell(*this, k).SetTextColor(kBlue);
    }
}

void Window1::Set_Day(int32_t first, int32_t count)
{
    for (int32_t k = kFirstCell; k < first; ++k)
        Day_Cell(*this, k).SetText(std::string());
    for (int32_t n = 1; n <= count; ++n) {
        // Days 1 to 9 with a leading blank, so that the digits line up.
        std::string text(n < 10 ? 1 : 0, ' ');
        text += platform::Str(n);
        Day_Cell(*this, first + n - 1).SetText(std::move(text));
    }
    for (int32_t k = first + count; k <= kLastCell; ++k)
        Day_Cell(*this, k).SetText(std::string());
}

void Window1::Set_Bold(int32_t cell)
{
    Day_Cell(*this, cell).SetUnderline(true);
}

void Window1::Set_Red(int32_t cell)
{
    Day_Cell(*this, cell).SetTextColor(kRed);
}

void Window1::Present_Set()
{
    const platform::Date today;
    const int32_t y = today.Year();
    const int32_t m = today.Month();
    const int32_t d = today.Day();

    Required(YearTxt(), "YearTxt").SetText(platform::Str(y));
    platform::Label &month = Required(TukTxt(), "TukTxt");
    month.SetTextColor(kMonthGreen);
    month.SetText(platform::Str(m));
    Required(NenTxt(), "NenTxt").SetText(Nen(y));

    const int32_t first = Get_Week(y, m, 1);
    Set_Day(first, Month_Long(y, m));
    Set_Bold(d + first - 1);
    Cong_Day(y, m, first);
    Disp_Day();
}

void Window1::Disp_Day()
{
    // In small mode Canvas1 keeps the blank face small mode gave it.
    if (!Win_Small)
        Required(Canvas1(), "Canvas1").SetBackdrop(BakYea());
    Required(Canvas2(), "Canvas2").SetBackdrop(BakMon());
    Required(Canvas3(), "Canvas3").SetBackdrop(tovy::Reset());
    Required(Canvas4(), "Canvas4").SetBackdrop(NextMon());
    Required(Canvas5(), "Canvas5").SetBackdrop(NextYea());
}

void Window1::Disp_Title()
{
    const platform::Date today;
    SetTitle(Date_Title(today.Month(), today.Day(), today.DayOfWeek()));
}

} // namespace tovy
