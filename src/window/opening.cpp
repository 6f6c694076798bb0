// Opening the calendar window (the real start of the program) and closing
// it, which always ends the program.

#include "window/window1.h"

#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/application/application.h"
#include "platform/files/text.h"
#include "platform/system/date.h"
#include "platform/system/screen.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/slider.h"
#include "platform/windows/windowextensions.h"
#include "settings/module1.h"
#include "window/buttonpictures.h"
#include "window/daycells.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

namespace tovy {

namespace {

constexpr int32_t kCorrectedTop = 5;
constexpr int32_t kCorrectedLeft = 0;
constexpr int32_t kRows = 6;
constexpr int32_t kColumns = 7;

// The 42 day cells, made in the template's design and then placed row by
// row, Sunday first. The template is stored first, while it is still the
// only control of its name.
void MakeGrid(Window1 &w)
{
    w.D[0] = w.StaticText1(0);
    for (int32_t i = kFirstCell; i <= kLastCell; ++i) {
        auto cell = std::make_unique<Window1::StaticText1Element>(w);
        w.D[static_cast<size_t>(i)] = cell.get();
        w._AddControl(std::move(cell), "StaticText1");
    }
    for (int32_t r = 1; r <= kRows; ++r) {
        for (int32_t c = 1; c <= kColumns; ++c) {
            platform::Label &cell = Day_Cell(w, c + kColumns * (r - 1));
            cell.SetTop(40 + 12 * (r - 1));
            cell.SetLeft(4 + 14 * (c - 1));
        }
    }
}

// The single-screen rule: each edge that lies off the screen is brought to
// a fixed place on it; an edge exactly at the far side stays. The places are
// taken from where the screen stands, so that a primary screen right of or
// below another one is where the window comes back to.
void PullBackOnto(Window1 &w, const platform::ScreenInfo &screen)
{
    if (w.Top() < screen.Top || int64_t{w.Top()} > int64_t{screen.Top} + screen.Height)
        w.SetTop(screen.Top + kCorrectedTop);
    if (w.Left() < screen.Left || int64_t{w.Left()} > int64_t{screen.Left} + screen.Width)
        w.SetLeft(screen.Left + kCorrectedLeft);
}

bool IsOn(const platform::ScreenInfo &screen, int32_t left, int32_t top)
{
    return int64_t{left} >= screen.Left && int64_t{left} <= int64_t{screen.Left} + screen.Width
           && int64_t{top} >= screen.Top && int64_t{top} <= int64_t{screen.Top} + screen.Height;
}

// With several screens a saved position on any of them stays exactly; one
// on none of them (a screen since detached) would leave the window out of
// reach, so it is pulled back onto the primary screen.
void CorrectPosition(Window1 &w)
{
    const int32_t count = platform::ScreenCount();
    if (count == 1) {
        PullBackOnto(w, platform::Screen(0));
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (IsOn(platform::Screen(i), w.Left(), w.Top()))
            return;
    }
    if (count > 1)
        PullBackOnto(w, platform::Screen(0));
}

struct Span {
    int64_t from = 0;
    int64_t to = 0; // one past the end
};

int64_t Overlap(Span a, Span b)
{
    return std::max<int64_t>(0, std::min(a.to, b.to) - std::max(a.from, b.from));
}

int64_t Gap(Span a, Span b)
{
    return std::max<int64_t>({0, b.from - a.to, a.from - b.to});
}

// The screen that shows most of the window, else the one nearest to it.
std::optional<platform::ScreenInfo> ScreenOf(const Window1 &w)
{
    const Span across{w.Left(), int64_t{w.Left()} + w.Width()};
    const Span down{w.Top(), int64_t{w.Top()} + w.Height()};
    std::optional<platform::ScreenInfo> best;
    int64_t bestArea = 0;
    int64_t bestGap = 0;
    for (int32_t i = 0; i < platform::ScreenCount(); ++i) {
        const platform::ScreenInfo screen = platform::Screen(i);
        const Span screenAcross{screen.Left, int64_t{screen.Left} + screen.Width};
        const Span screenDown{screen.Top, int64_t{screen.Top} + screen.Height};
        const int64_t area = Overlap(across, screenAcross) * Overlap(down, screenDown);
        const int64_t dx = Gap(across, screenAcross);
        const int64_t dy = Gap(down, screenDown);
        const int64_t gap = dx * dx + dy * dy;
        if (!best || area > bestArea || (area == 0 && bestArea == 0 && gap < bestGap)) {
            best = screen;
            bestArea = area;
            bestGap = gap;
        }
    }
    return best;
}

// The tile keeps the corner of the window it came from, and that corner may
// stand at or past the screen's edge (the one-screen rule keeps an edge equal
// to the screen's size): moved just far enough to lie wholly on its screen,
// it stays as near that corner as it can and can always be clicked.
void KeepWhollyOnItsScreen(Window1 &w)
{
    const std::optional<platform::ScreenInfo> screen = ScreenOf(w);
    if (!screen)
        return;
    const int32_t lastLeft = std::max(screen->Left, screen->Left + screen->Width - w.Width());
    const int32_t lastTop = std::max(screen->Top, screen->Top + screen->Height - w.Height());
    const int32_t top = std::clamp(w.Top(), screen->Top, lastTop);
    const int32_t left = std::clamp(w.Left(), screen->Left, lastLeft);
    if (top != w.Top())
        w.SetTop(top);
    if (left != w.Left())
        w.SetLeft(left);
}

} // namespace

void Window1::Event_Open()
{
    SetWidth(kNormalWidth);
    SetHeight(kNormalHeight);

    const platform::Date today;
    Start_Year = today.Year();
    Start_Month = today.Month();
    Start_Day = today.Day();

    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    Read_Settings(red, green, blue);

    MakeGrid(*this);

    Reset_Day();
    Disp_Title();
    Present_Set();

    // A stored black means no colour was ever chosen.
    Module1::My_Col = platform::RGB(red, green, blue, 0);
    if (Module1::My_Col == platform::RGB(0, 0, 0, 0))
        Module1::My_Col = platform::RGB(255, 255, 255, 0);
    SetBackColor(Module1::My_Col);

    CorrectPosition(*this);

    Copy_Today_To_DayTxt(*this);

    if (Win_Small) {
        Small_Win();
        KeepWhollyOnItsScreen(*this);
        platform::Canvas &canvas1 = Required(Canvas1(), "Canvas1");
        canvas1.SetEnabled(false);
        canvas1.SetBackdrop(Blank());
        Required(DayTxt(), "DayTxt").SetVisible(true);
    }

    if (Module1::Trans == 0)
        Module1::Trans = 100;
    platform::WindowExtensions::Opacity(*this, static_cast<float>(Module1::Trans / 100.0));
    Required(TransText(), "TransText").SetText(platform::Str(Module1::Trans));
    Required(Slider1(), "Slider1").SetValue(Module1::Trans);

    if (Required(CheckBox1(), "CheckBox1").Value())
        Draw_Dock();

    // The opening's own settings of the dock controls are behind us: from
    // now on a tick of the box or a mode button is the user's and draws.
    Module1::Flag_Start = true;
    Module1::Flag_Radio = true;
}

void Window1::AddMenuHandlers()
{
    _AddMenuHandler("FileQuit", [this] { return _FileQuit_Action(); });
    _AddMenuHandler("My_Pref", [this] { return _My_Pref_Action(); });
}

bool Window1::Event_CancelClose(bool)
{
    return false;
}

void Window1::Event_Close()
{
    Save_State();
    platform::Application::Running().Quit(0);
}

bool Window1::_FileQuit_Action()
{
    Save_State();
    platform::Application::Running().Quit(0);
    return false;
}

} // namespace tovy
