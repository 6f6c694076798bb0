// The five navigation buttons along the top edge. The shown month lives only
// in the texts of YearTxt and TukTxt; each release reads it back from them.

#include "window/window1.h"

#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/drawing/picture.h"
#include "platform/files/text.h"
#include "platform/system/date.h"
#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
#include "window/buttonpictures.h"

#include <functional>
#include <memory>

namespace tovy {

namespace {

struct YearMonth {
    int32_t year;
    int32_t month;
};

// No bound is tested on the year; wrapping keeps a year pressed past the
// 32-bit range defined, not undefined.
int32_t AddYears(int32_t year, int32_t step)
{
    return static_cast<int32_t>(static_cast<uint32_t>(year) + static_cast<uint32_t>(step));
}

YearMonth PreviousYear(YearMonth shown) { return {AddYears(shown.year, -1), shown.month}; }
YearMonth NextYear(YearMonth shown) { return {AddYears(shown.year, 1), shown.month}; }

YearMonth PreviousMonth(YearMonth shown)
{
    if (shown.month - 1 < 1)
        return {AddYears(shown.year, -1), 12};
    return {shown.year, shown.month - 1};
}

YearMonth NextMonth(YearMonth shown)
{
    if (shown.month + 1 > 12)
        return {AddYears(shown.year, 1), 1};
    return {shown.year, shown.month + 1};
}

using Face = std::shared_ptr<platform::Picture> (*)();

// The release of a stepping button: clear the marks, read the shown month
// from the labels, step it, and show the result; today's month is shown
// exactly as the current-month button shows it.
void ReleaseStep(Window1 &w, YearMonth (*step)(YearMonth), platform::Canvas *(Window1::*button)() const,
                 const char *buttonName, Face upFace)
{
    w.Reset_Day();
    const platform::Date today;
    const YearMonth shown{platform::Val(Required(w.YearTxt(), "YearTxt").Text()),
                          platform::Val(Required(w.TukTxt(), "TukTxt").Text())};
    const YearMonth target = step(shown);

    if (today.Year() == target.year && today.Month() == target.month) {
        w.Present_Set();
        return;
    }

    Required(w.YearTxt(), "YearTxt").SetText(platform::Str(target.year));
    platform::Label &month = Required(w.TukTxt(), "TukTxt");
    month.SetTextColor(kMonthGreen);
    month.SetText(platform::Str(target.month));
    Required(w.NenTxt(), "NenTxt").SetText(w.Nen(target.year));
    const int32_t first = w.Get_Week(target.year, target.month, 1);
    const int32_t count = w.Month_Long(target.year, target.month);
    w.Set_Day(first, count);
    w.Cong_Day(target.year, target.month, first);
    w.Disp_Day();
    Required((w.*button)(), buttonName).SetBackdrop(upFace());
}

} // namespace

bool Window1::Canvas1_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    // In small mode the button is covered by the day number and refuses.
    if (Win_Small)
        return false;
    Required(Canvas1(), "Canvas1").SetBackdrop(BakYea2());
    return true;
}

void Window1::Canvas1_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    ReleaseStep(*this, PreviousYear, &Window1::Canvas1, "Canvas1", BakYea);
}

bool Window1::Canvas2_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas2(), "Canvas2").SetBackdrop(BakMon2());
    return true;
}

void Window1::Canvas2_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    ReleaseStep(*this, PreviousMonth, &Window1::Canvas2, "Canvas2", BakMon);
}

bool Window1::Canvas3_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas3(), "Canvas3").SetBackdrop(Reset2());
    return true;
}

void Window1::Canvas3_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    Reset_Day();
    Present_Set();
    Required(Canvas3(), "Canvas3").SetBackdrop(tovy::Reset());
}

bool Window1::Canvas4_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas4(), "Canvas4").SetBackdrop(NextMon2());
    return true;
}

void Window1::Canvas4_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    ReleaseStep(*this, NextMonth, &Window1::Canvas4, "Canvas4", NextMon);
}

void Window1::Canvas5_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    ReleaseStep(*this, NextYear, &Window1::Canvas5, "Canvas5", NextYea);
}

bool Window1::Canvas5_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas5(), "Canvas5").SetBackdrop(NextYea2());
    return true;
}

void Window1::DayTxt_Open(platform::Label &) {}

void Window1::StaticText1_Open(platform::Label &) {}

} // namespace tovy
