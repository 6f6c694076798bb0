// The icon picture: the month the calendar window shows, or today's date in
// large type, on the background colour with the logo in its corner.

#include "window/window1.h"

#include "dock/dockdrawcount.h"

#include "calendar/calendar.h"
#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/application/application.h"
#include "platform/drawing/dockitem.h"
#include "platform/drawing/graphics.h"
#include "platform/drawing/picture.h"
#include "platform/files/text.h"
#include "platform/system/date.h"
#include "platform/windows/label.h"
#include "settings/module1.h"
#include "window/buttonpictures.h"

#include <array>
#include <string>

namespace tovy {

namespace {

constexpr int32_t kTileSize = platform::DockItem::kTileSide;
constexpr int32_t kDaySize = 128;
constexpr int32_t kLogoSize = 128;
constexpr int32_t kLogoAt = kTileSize - kLogoSize;
constexpr double kMonthScale = 5.0;

int64_t drawCount = 0;

std::string WeekdayCharacter(int32_t dayOfWeek)
{
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return kWeekdayCharacters[static_cast<size_t>(dayOfWeek - 1)];
}

bool IsRedHoliday(const platform::Date &today)
{
    for (const calendar::HolidayMark &mark : calendar::Holiday_Marks(today.Year(), today.Month())) {
        if (mark.day == today.Day() && mark.turn_red)
            return true;
    }
    return false;
}

// Today's own colour, worked out from the date rather than read from the
// grid: after navigating, the cell at today's place belongs to another
// month and may stand in another column or hold no holiday.
platform::Color ColourOfToday(const platform::Date &today)
{
    if (today.DayOfWeek() == 1 || IsRedHoliday(today))
        return kRed;
    if (today.DayOfWeek() == 7)
        return kBlue;
    return kBlack;
}

struct DayText {
    std::string text;
    float size = 0;
    int32_t x = 0;
    int32_t y = 0;
};

DayText DayTextFor(int32_t mode, const platform::Date &today)
{
    const std::string month = platform::Str(today.Month());
    const std::string day = platform::Str(today.Day());
    const std::string weekday = WeekdayCharacter(today.DayOfWeek());
    const std::string cr = platform::Chr(13);
    switch (mode) {
    case 1:
        return {month + "　月" + cr + day + "　日" + cr + "(" + weekday + ")", 30, 30, 35};
    case 2:
        return {day, 86, platform::Len(day) == 2 ? 10 : 35, 90};
    case 3:
        return {weekday, 98, 18, 90};
    default:
        return {};
    }
}

} // namespace

int64_t Dock_Draw_Count()
{
    return drawCount;
}

void Window1::Draw_Dock()
{
    ++drawCount;
    MyCanv = std::make_shared<platform::Picture>(kTileSize, kTileSize, 32);
    Draw_Back();
    if (Module1::MyDock == 0)
        Draw_OneMonth();
    else
        Draw_Day();
    Draw_Icon1();

    platform::DockItem &dock = platform::Application::Running().DockItem();
    dock.Graphics().DrawPicture(MyCanv.get(), 0, 0);
    dock.UpdateNow();
}

void Window1::Draw_Back()
{
    platform::Graphics &g = MyCanv->Graphics();
    g.SetForeColor(Module1::My_Col);
    g.FillRect(0, 0, kTileSize, kTileSize);
}

void Window1::Draw_OneMonth()
{
    Draw_Text(Required(NenTxt(), "NenTxt"));
    Draw_Text(Required(TukTxt(), "TukTxt"));
    Draw_Text(Required(YearTxt(), "YearTxt"));
    Draw_Text(Required(Sun(), "Sun"));
    Draw_Text(Required(Mon(), "Mon"));
    Draw_Text(Required(Tue(), "Tue"));
    Draw_Text(Required(Wed(), "Wed"));
    Draw_Text(Required(Thu(), "Thu"));
    Draw_Text(Required(Fri(), "Fri"));
    Draw_Text(Required(Sat(), "Sat"));
    for (size_t k = 1; k <= 42; ++k)
        Draw_Text(Required(D[k], "D"));
}

void Window1::Draw_Text(platform::Label &label)
{
    platform::Graphics &g = MyCanv->Graphics();
    g.SetTextFont(label.TextFont());
    g.SetTextSize(static_cast<float>(static_cast<double>(label.TextSize()) * kMonthScale));
    g.SetForeColor(label.TextColor());
    g.SetUnderline(label.Underline());
    // Bold is left as it is: the picture's text is never bold, the bold month
    // number included.
    g.DrawString(label.Text(), label.Left() * 5, label.Top() * 5);
}

void Window1::Draw_Day()
{
    auto day = std::make_shared<platform::Picture>(kDaySize, kDaySize, 32);
    platform::Graphics &g = day->Graphics();
    g.SetForeColor(Module1::My_Col);
    g.FillRect(0, 0, kDaySize, kDaySize);

    const platform::Date today;
    g.SetTextFont("Osaka");
    g.SetForeColor(ColourOfToday(today));
    g.SetBold(false);
    const DayText text = DayTextFor(Module1::MyDock, today);
    if (!text.text.empty()) {
        g.SetTextSize(text.size);
        g.DrawString(text.text, text.x, text.y);
    }

    MyCanv->Graphics().DrawPicture(day.get(), 0, 0, kTileSize, kTileSize, 0, 0, kDaySize, kDaySize);
}

void Window1::Draw_Icon1()
{
    // Only the logo's top-left square, unscaled, over whatever lies there.
    const std::shared_ptr<platform::Picture> logo = Tovy3();
    MyCanv->Graphics().DrawPicture(logo.get(), kLogoAt, kLogoAt, kLogoSize, kLogoSize, 0, 0, kLogoSize,
                                   kLogoSize);
}

} // namespace tovy
