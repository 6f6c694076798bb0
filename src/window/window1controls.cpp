// The calendar window's design: its own property list and its 32 controls,
// made one after the other, each in the same five steps: new object,
// registration, face or text size, property list, event bindings. Binding
// last keeps every design value from running a handler.

#include "window/window1.h"

#include "design/calendarlook.h"
#include "design/designlists.h"
#include "platform/application/timer.h"
#include "platform/windows/bevelbutton.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/slider.h"
#include "window/buttonpictures.h"
#include "window/window1design.h"

#include <array>
#include <memory>
#include <string>
#include <utility>

namespace tovy {

namespace {

using platform::Color;
using platform::PropertyList;
using platform::RGB;

// The month number's design colour; every shown month replaces it.
constexpr Color kDesignGreen = RGB(0, 127, 0);

constexpr float kPanelTextSize = 12.0f;

PropertyList CanvasList(const char *name, Frame frame, int32_t tabIndex, bool visible, std::string helpTag)
{
    return ControlList({name, platform::kNoIndex, frame, tabIndex},
                       {
                           {"TabStop", true},
                           {"Visible", visible},
                           {"HelpTag", std::move(helpTag)},
                           {"AutoDeactivate", true},
                           {"Enabled", true},
                           {"UseFocusRing", true},
                           {"AcceptFocus", false},
                           {"AcceptTabs", false},
                           {"DoubleBuffer", false},
                           {"EraseBackground", true},
                           {"Transparent", true},
                           {"InitialParent", std::string()},
                       });
}

PropertyList BevelButtonList()
{
    return ControlList({"BevelButton1", platform::kNoIndex, {103, -1, 292, 15}, 23},
                       {
                           {"TabStop", true},
                           {"InitialParent", std::string()},
                           {"Visible", true},
                           {"HelpTag", std::string()},
                           {"AutoDeactivate", true},
                           {"Enabled", true},
                           {"Caption", std::string("設定")},
                           {"CaptionAlign", int32_t{3}},
                           {"CaptionPlacement", int32_t{1}},
                           {"CaptionDelta", int32_t{0}},
                           {"IconAlign", int32_t{0}},
                           {"IconDX", int32_t{0}},
                           {"IconDY", int32_t{0}},
                           {"Bevel", int32_t{0}},
                           {"HasMenu", int32_t{0}},
                           {"HasBackColor", false},
                           {"BackColor", kBlack},
                           {"TextColor", kBlack},
                           {"Value", false},
                           {"MenuValue", int32_t{0}},
                           {"ButtonType", int32_t{0}},
                           {"AcceptFocus", false},
                           {"TextFont", std::string("Osaka")},
                           {"Bold", false},
                           {"Italic", false},
                           {"Underline", false},
                       });
}

using Face = std::shared_ptr<platform::Picture> (*)();
using DownHandler = bool (Window1::*)(platform::Canvas &, int32_t, int32_t);
using PointHandler = void (Window1::*)(platform::Canvas &, int32_t, int32_t);
using CrossingHandler = void (Window1::*)(platform::Canvas &);

// Binding one event of a canvas to one handler of the window.
using Binding = void (*)(Window1 &, platform::Canvas &);

template <DownHandler handler>
void Down(Window1 &w, platform::Canvas &canvas)
{
    canvas.OnMouseDown([&w](platform::Canvas &c, int32_t x, int32_t y) { return (w.*handler)(c, x, y); });
}

template <PointHandler handler>
void Up(Window1 &w, platform::Canvas &canvas)
{
    canvas.OnMouseUp([&w](platform::Canvas &c, int32_t x, int32_t y) { (w.*handler)(c, x, y); });
}

template <PointHandler handler>
void Move(Window1 &w, platform::Canvas &canvas)
{
    canvas.OnMouseMove([&w](platform::Canvas &c, int32_t x, int32_t y) { (w.*handler)(c, x, y); });
}

template <CrossingHandler handler>
void Enter(Window1 &w, platform::Canvas &canvas)
{
    canvas.OnMouseEnter([&w](platform::Canvas &c) { (w.*handler)(c); });
}

template <CrossingHandler handler>
void Exit(Window1 &w, platform::Canvas &canvas)
{
    canvas.OnMouseExit([&w](platform::Canvas &c) { (w.*handler)(c); });
}

// A picture button: the navigation buttons of the top row and the two hover
// buttons, hidden in the design. Its events are bound in the order listed.
struct CanvasRow {
    const char *name;
    Frame frame;
    int32_t tabIndex;
    Face face;
    bool visible;
    const char *helpTag;
    std::array<Binding, 5> events; // unused places stay empty
};

using W = Window1;

constexpr CanvasRow kPreviousYearCanvas{
    "Canvas1", {-1, -1, 22, 15}, 0, BakYea, true, "", {Down<&W::Canvas1_MouseDown>, Up<&W::Canvas1_MouseUp>}};

// Previous month, current month, next month, next year; then shrink and
// settings.
constexpr std::array<CanvasRow, 6> kLaterCanvases{{
    {"Canvas2", {21, -1, 25, 15}, 12, BakMon, true, "", {Down<&W::Canvas2_MouseDown>, Up<&W::Canvas2_MouseUp>}},
    {"Canvas3", {43, -1, 16, 15}, 13, tovy::Reset, true, "", {Down<&W::Canvas3_MouseDown>, Up<&W::Canvas3_MouseUp>}},
    {"Canvas4", {59, -1, 22, 15}, 14, NextMon, true, "", {Down<&W::Canvas4_MouseDown>, Up<&W::Canvas4_MouseUp>}},
    {"Canvas5", {81, -1, 22, 15}, 15, NextYea, true, "", {Up<&W::Canvas5_MouseUp>, Down<&W::Canvas5_MouseDown>}},
    {"Canvas6", {89, 102, 10, 10}, 16, smal, false, "縮小",
     {Exit<&W::Canvas6_MouseExit>, Enter<&W::Canvas6_MouseEnter>, Up<&W::Canvas6_MouseUp>,
      Down<&W::Canvas6_MouseDown>, Move<&W::Canvas6_MouseMove>}},
    {"Canvas7", {75, 102, 10, 10}, 17, tovy::Set, false, "設定",
     {Enter<&W::Canvas7_MouseEnter>, Exit<&W::Canvas7_MouseExit>, Up<&W::Canvas7_MouseUp>,
      Down<&W::Canvas7_MouseDown>, Move<&W::Canvas7_MouseMove>}},
}};

void MakeCanvas(Window1 &w, const CanvasRow &row)
{
    platform::Canvas &canvas = AddControl(w, std::make_unique<platform::Canvas>(w), row.name);
    canvas.SetBackdrop(row.face());
    canvas._SetProperties(CanvasList(row.name, row.frame, row.tabIndex, row.visible, row.helpTag));
    for (const Binding bind : row.events) {
        if (bind != nullptr)
            bind(w, canvas);
    }
}

platform::Label &AddLabel(Window1 &w, const char *name, float textSize, Frame frame, int32_t tabIndex, LabelLook look)
{
    return AddTextControl(w, std::make_unique<platform::Label>(w), name, textSize,
                          LabelList({name, platform::kNoIndex, frame, tabIndex}, std::move(look)));
}

// A weekday head: colour and place only differ.
struct WeekdayHead {
    const char *name;
    int32_t left;
    int32_t tabIndex;
    const char *text;
    Color color;
};

// Sunday, then Tuesday to Saturday; Monday's head is made later.
constexpr std::array<WeekdayHead, 6> kHeadsButMonday{{
    {"Sun", 4, 2, "日", kRed},
    {"Tue", 32, 3, "火", kBlack},
    {"Wed", 46, 4, "水", kBlack},
    {"Thu", 61, 5, "木", kBlack},
    {"Fri", 76, 6, "金", kBlack},
    {"Sat", 89, 7, "土", kBlue},
}};
constexpr WeekdayHead kMondayHead{"Mon", 18, 9, "月", kBlack};

void MakeHead(Window1 &w, const WeekdayHead &head)
{
    AddLabel(w, head.name, 9.0f, {head.left, 27, 12, 15}, head.tabIndex, {.text = head.text, .color = head.color});
}

// The dock display modes 0 to 3 by element index, a two-by-two block.
constexpr std::array<ModeButtonPlace, 4> kModeButtons{{
    {{214, 17, 67, 20}, 22},
    {{283, 17, 80, 20}, 24},
    {{214, 40, 67, 20}, 25},
    {{283, 40, 80, 20}, 26},
}};

// A dock-mode button, element index of its array: the mode it selects.
void MakeModeButton(Window1 &w, int32_t index)
{
    AddModeButton<Window1::RadioButton1Element>(w, index, kModeButtons[static_cast<size_t>(index)], kPanelTextSize)
        .OnAction([&w](platform::RadioButton &b) { w.RadioButton1_Action(b); });
}

} // namespace

PropertyList StaticText1Design()
{
    return LabelList({"StaticText1", 0, {18, 161, 15, 12}, 10}, {.text = "Dammy", .transparent = true});
}

void Window1::Layout()
{
    _SetProperties(WindowList(
        {.placement = 2, .width = 395, .height = 191, .hasBackColor = true, .title = "", .maximizeButton = false}));
}

void Window1::CreateControls()
{
    _CreateControls0();
    _CreateControls1();
}

void Window1::_CreateControls0()
{
    // 1: previous year.
    MakeCanvas(*this, kPreviousYearCanvas);

    // 2: the small-mode day number, inside Canvas1 where the tile stays visible.
    AddLabel(*this, "DayTxt", 9.0f, {3, -1, 17, 15}, 0,
             {.text = "31", .visible = false, .bold = true, .parent = "Canvas1"})
        .OnOpen([this](platform::Label &l) { DayTxt_Open(l); });

    // 3: the year.
    AddLabel(*this, "YearTxt", 9.0f, {74, 15, 27, 15}, 1, {.text = "2000"});

    // 4 to 9: weekday heads, Monday's comes later.
    for (const WeekdayHead &head : kHeadsButMonday)
        MakeHead(*this, head);

    // 10: the month number.
    AddLabel(*this, "TukTxt", 12.0f, {49, 14, 21, 16}, 8, {.text = "12", .color = kDesignGreen, .bold = true});

    // 11: Monday's head.
    MakeHead(*this, kMondayHead);

    // 12: the template cell, element 0 of the day-cell array.
    AddTextControl(*this, std::make_unique<StaticText1Element>(*this, 0), "StaticText1", kDayCellTextSize,
                   StaticText1Design())
        .OnOpen([this](platform::Label &l) { StaticText1_Open(l); });

    // 13: the era year.
    AddLabel(*this, "NenTxt", 9.0f, {3, 15, 43, 15}, 11, {.text = "平成12年"});

    // 14: the once-a-second day-change check.
    platform::Timer &timer = AddControl(*this, std::make_unique<platform::Timer>(*this), "Timer1");
    timer._SetProperties({{"Mode", int32_t{2}}, {"Period", int32_t{1000}}});
    timer.OnAction([this](platform::Timer &t) { Timer1_Action(t); });

    // 15 to 18: previous month, current month, next month, next year; 19,
    // 20: the hover buttons, shrink and settings.
    for (const CanvasRow &row : kLaterCanvases)
        MakeCanvas(*this, row);

    // 21 to 30: the settings panel, right of x 102.
    AddSlider(*this, {205, 65, 174, 18}, 18).OnValueChanged([this](platform::Slider &s) { Slider1_ValueChanged(s); });

    AddLabel(*this, "Label1", kPanelTextSize, {119, 63, 92, 20}, 19, {.text = kTransparencyCaption})
        .OnOpen([this](platform::Label &l) { Label1_Open(l); });

    AddLabel(*this, "TransText", kPanelTextSize, {158, 65, 27, 15}, 0, {.text = "100", .align = 2, .parent = "Label1"});

    AddPushButton(*this, "PushButton1", kPanelTextSize, {119, 89, 59, 20}, 20, "背景色", false)
        .OnAction([this](platform::PushButton &b) { PushButton1_Action(b); });

    AddCheckBox(*this, kPanelTextSize, {117, 17, 96, 20}, 21).OnAction([this](platform::CheckBox &b) { CheckBox1_Action(b); });

    MakeModeButton(*this, 0);

    AddTextControl(*this, std::make_unique<platform::BevelButton>(*this), "BevelButton1", 10.0f, BevelButtonList());

    MakeModeButton(*this, 1);
    MakeModeButton(*this, 2);
    MakeModeButton(*this, 3);
}

void Window1::_CreateControls1()
{
    AddPushButton(*this, "PushButton3", kPanelTextSize, {182, 89, 69, 20}, 27, "設定保存", false)
        .OnAction([this](platform::PushButton &b) { PushButton3_Action(b); });

    AddPushButton(*this, "PushButton2", kPanelTextSize, {332, 89, 57, 20}, 28, "閉じる", true)
        .OnAction([this](platform::PushButton &b) { PushButton2_Action(b); });
}

} // namespace tovy
