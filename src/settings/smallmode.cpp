// Small mode (the 19 by 14 tile with today's number), the two hover buttons
// along the calendar window's bottom edge and the window's own mouse events.

#include "window/window1.h"

#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/files/text.h"
#include "platform/system/screen.h"
#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
#include "settings/window2.h"
#include "window/buttonpictures.h"

namespace tovy {

namespace {

// The hover buttons' areas on the window: below y 102, right of x 75; the
// settings area ends before x 89, where the shrink area begins.
constexpr int32_t kAreasBelowY = 102;
constexpr int32_t kAreasRightOfX = 75;
constexpr int32_t kShrinkAreaFromX = 89;

// Where the window's centre lies against the first screen's centre: a
// positive dx is left of it, a positive dy above it. An offset that
// truncates to 0 counts as right of or below the centre.
struct CentreOffsets {
    int32_t dx = 0;
    int32_t dy = 0;
};

CentreOffsets OffsetsOf(const platform::Window &window)
{
    const platform::ScreenInfo screen = platform::Screen(0);
    return CentreOffsets{
        platform::ToInt32(screen.Width / 2.0 - (window.Left() + window.Width() / 2.0)),
        platform::ToInt32(screen.Height / 2.0 - (window.Top() + window.Height() / 2.0)),
    };
}

void ShrinkAction(Window1 &window)
{
    Required(window.Canvas6(), "Canvas6").SetBackdrop(smal());
    window.Small_Win();
    window.Win_Small = true;
    Required(window.DayTxt(), "DayTxt").SetVisible(true);
    Required(window.Canvas1(), "Canvas1").SetBackdrop(Blank());
}

void ShowHoverButtons(Window1 &window, bool visible)
{
    Required(window.Canvas6(), "Canvas6").SetVisible(visible);
    Required(window.Canvas7(), "Canvas7").SetVisible(visible);
}

} // namespace

void Window1::Small_Win()
{
    const CentreOffsets offsets = OffsetsOf(*this);
    SetWidth(kSmallWidth);
    SetHeight(kSmallHeight);
    // Computed for a normal-size window, so that from the widened window the
    // tile keeps the corner of the calendar part, not of the panel.
    if (offsets.dy <= 0)
        SetTop(Top() + kNormalHeight - Height());
    if (offsets.dx <= 0)
        SetLeft(Left() + kNormalWidth - Width());
}

void Window1::Large_Win()
{
    const CentreOffsets offsets = OffsetsOf(*this);
    // The size found here, so the corner stays from small and widened alike.
    if (offsets.dy <= 0)
        SetTop(Top() - kNormalHeight + Height());
    if (offsets.dx <= 0)
        SetLeft(Left() - kNormalWidth + Width());
    SetWidth(kNormalWidth);
    SetHeight(kNormalHeight);
}

bool Window1::Event_MouseDown(int32_t, int32_t)
{
    Leaving_Small_Press = Win_Small;
    if (Win_Small) {
        Win_Small = false;
        platform::Canvas &canvas1 = Required(Canvas1(), "Canvas1");
        canvas1.SetEnabled(true);
        canvas1.SetBackdrop(BakYea());
        Required(DayTxt(), "DayTxt").SetVisible(false);
        Large_Win();
        // Users double-click small things: the second click would land on
        // the grown window.
        IgnoreDoubleClickOfThisPress();
    }
    // Always: the window then gets this press's mouse-up.
    return true;
}

void Window1::Event_MouseUp(int32_t x, int32_t y)
{
    // The window grew under the pointer while this press was held; where it
    // is released says nothing about the hover buttons' areas.
    if (Leaving_Small_Press) {
        Leaving_Small_Press = false;
        return;
    }
    if (y <= kAreasBelowY || x <= kAreasRightOfX)
        return;
    if (x < kShrinkAreaFromX) {
        Required(Canvas7(), "Canvas7").SetBackdrop(tovy::Set());
        Window2::Open_From_Window_Click();
    } else {
        ShrinkAction(*this);
    }
}

void Window1::Event_MouseMove(int32_t, int32_t)
{
    ShowHoverButtons(*this, true);
}

void Window1::Event_MouseEnter()
{
    ShowHoverButtons(*this, true);
}

void Window1::Event_MouseExit()
{
    ShowHoverButtons(*this, false);
}

void Window1::Canvas6_MouseEnter(platform::Canvas &)
{
    Required(Canvas6(), "Canvas6").SetVisible(true);
}

void Window1::Canvas6_MouseMove(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas6(), "Canvas6").SetVisible(true);
}

void Window1::Canvas6_MouseExit(platform::Canvas &) {}

bool Window1::Canvas6_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas6(), "Canvas6").SetBackdrop(smal2());
    return true;
}

void Window1::Canvas6_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    ShrinkAction(*this);
}

void Window1::Canvas7_MouseEnter(platform::Canvas &)
{
    Required(Canvas7(), "Canvas7").SetVisible(true);
}

void Window1::Canvas7_MouseMove(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas7(), "Canvas7").SetVisible(true);
}

void Window1::Canvas7_MouseExit(platform::Canvas &) {}

bool Window1::Canvas7_MouseDown(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas7(), "Canvas7").SetBackdrop(Set2());
    return true;
}

void Window1::Canvas7_MouseUp(platform::Canvas &, int32_t, int32_t)
{
    Required(Canvas7(), "Canvas7").SetBackdrop(tovy::Set());
    Window2::Open_From_Hover_Button();
}

} // namespace tovy
