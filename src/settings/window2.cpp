// The settings window. Unlike the calendar window's panel it applies the
// transparency and the colour at once, redraws the icon from its mode
// buttons, and mirrors its slider, check box and mode buttons into the panel.

#include "settings/window2.h"

#include "design/designlists.h"
#include "design/required.h"
#include "platform/application/application.h"
#include "platform/drawing/dockitem.h"
#include "platform/files/text.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/selectcolor.h"
#include "platform/windows/slider.h"
#include "platform/windows/windowextensions.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <array>
#include <memory>
#include <string>
#include <utility>

namespace tovy {

namespace {

constexpr const char *kColourPrompt = "背景色を選んでください。";
constexpr float kTextSize = 12.0f;

// Dock display modes 0 to 3, by element index.
constexpr std::array<ModeButtonPlace, 4> kModeButtons{{
    {{105, 78, 67, 20}, 4},
    {{174, 78, 80, 20}, 5},
    {{105, 101, 67, 20}, 6},
    {{174, 101, 80, 20}, 7},
}};

Window1 &CalendarWindow()
{
    return Window1::Instance();
}

} // namespace

Window2::StaticText1Element::StaticText1Element(platform::Window &owner, int32_t index)
    : platform::Label(owner, index)
{
}

Window2::RadioButton1Element::RadioButton1Element(platform::Window &owner, int32_t index)
    : platform::RadioButton(owner, index)
{
}

Window2::Window2() : platform::Window(kClassName) {}

Window2::~Window2() = default;

Window2 &Window2::Instance()
{
    return platform::ImplicitInstance<Window2>(kClassName);
}

Window2 *Window2::Existing()
{
    return dynamic_cast<Window2 *>(platform::FindWindow(kClassName));
}

void Window2::Layout()
{
    _SetProperties(WindowList(
        {.placement = 3, .width = 302, .height = 173, .hasBackColor = false, .title = "設定", .maximizeButton = true}));
}

void Window2::CreateControls()
{
    _CreateControls0();
}

// Each control: made, registered under its name, text size, design values,
// and only then its handler, so that no design value runs a handler.
void Window2::_CreateControls0()
{
    AddSlider(*this, {108, 48, 174, 18}, 0).OnValueChanged([this](platform::Slider &s) { Slider1_ValueChanged(s); });

    AddTextControl(*this, std::make_unique<StaticText1Element>(*this, 0), "StaticText1", kTextSize,
                   LabelList({"StaticText1", 0, {8, 44, 92, 20}, 1}, {.text = kTransparencyCaption}))
        .OnOpen([this](platform::Label &l) { StaticText1_Open(l); });

    AddTextControl(*this, std::make_unique<platform::Label>(*this), "TransText", kTextSize,
                   LabelList({"TransText", platform::kNoIndex, {43, 46, 27, 15}, 0},
                             {.text = "100", .align = 2, .parent = "StaticText1"}));

    AddPushButton(*this, "PushButton1", kTextSize, {20, 10, 78, 22}, 2, "背景色変更", false)
        .OnAction([this](platform::PushButton &b) { PushButton1_Action(b); });

    AddCheckBox(*this, kTextSize, {8, 78, 96, 20}, 3).OnAction([this](platform::CheckBox &b) { CheckBox1_Action(b); });

    for (int32_t i = 0; i < static_cast<int32_t>(kModeButtons.size()); ++i)
        AddModeButton<RadioButton1Element>(*this, i, kModeButtons[static_cast<size_t>(i)], kTextSize)
            .OnAction([this](platform::RadioButton &r) { RadioButton1_Action(r); });

    AddPushButton(*this, "PushButton3", kTextSize, {79, 133, 69, 20}, 8, "設定保存", false)
        .OnAction([this](platform::PushButton &b) { PushButton3_Action(b); });

    AddPushButton(*this, "PushButton2", kTextSize, {225, 133, 57, 20}, 9, "閉じる", true)
        .OnAction([this](platform::PushButton &b) { PushButton2_Action(b); });
}

platform::Slider *Window2::Slider1() const
{
    return ControlAs<platform::Slider>("Slider1");
}

platform::Label *Window2::StaticText1(int32_t index) const
{
    return ControlAs<platform::Label>("StaticText1", index);
}

platform::Label *Window2::TransText() const
{
    return ControlAs<platform::Label>("TransText");
}

platform::PushButton *Window2::PushButton1() const
{
    return ControlAs<platform::PushButton>("PushButton1");
}

platform::CheckBox *Window2::CheckBox1() const
{
    return ControlAs<platform::CheckBox>("CheckBox1");
}

platform::RadioButton *Window2::RadioButton1(int32_t index) const
{
    return ControlAs<platform::RadioButton>("RadioButton1", index);
}

platform::PushButton *Window2::PushButton3() const
{
    return ControlAs<platform::PushButton>("PushButton3");
}

platform::PushButton *Window2::PushButton2() const
{
    return ControlAs<platform::PushButton>("PushButton2");
}

void Window2::Slider1_ValueChanged(platform::Slider &sender)
{
    if (sender.Value() < 5)
        sender.SetValue(5);
    Window1 &calendar = CalendarWindow();
    platform::WindowExtensions::Opacity(calendar, static_cast<float>(sender.Value() / 100.0));
    Required(TransText(), "TransText").SetText(platform::Str(sender.Value()));
    // The panel's own handler then records the number and Trans.
    Required(calendar.Slider1(), "Slider1").SetValue(sender.Value());
    Module1::Trans = sender.Value();
}

void Window2::StaticText1_Open(platform::Label &) {}

void Window2::PushButton1_Action(platform::PushButton &)
{
    Hide();
    platform::Color colour = Module1::My_Col;
    // A cancel leaves the colour as it was, which is then applied again.
    platform::SelectColor(colour, kColourPrompt);
    CalendarWindow().SetBackColor(colour);
    Module1::My_Col = colour;
    Show();
}

void Window2::CheckBox1_Action(platform::CheckBox &sender)
{
    const bool on = sender.Value();
    Window1 &calendar = CalendarWindow();
    // The panel's check-box handler runs inside these assignments.
    if (on) {
        Required(calendar.CheckBox1(), "CheckBox1").SetValue(true);
    } else {
        Required(calendar.CheckBox1(), "CheckBox1").SetValue(false);
        platform::Application::Running().DockItem().ResetIcon();
    }
    for (int32_t i = 0; i <= 3; ++i)
        Required(RadioButton1(i), "RadioButton1").SetEnabled(on);
    if (Module1::Flag_Start && sender.Value())
        calendar.Draw_Dock();
    Module1::Flag_Start = true;
}

void Window2::RadioButton1_Action(platform::RadioButton &sender)
{
    const int32_t i = sender.Index();
    Window1 &calendar = CalendarWindow();
    if (sender.Value()) {
        Module1::MyDock = i;
        Required(calendar.RadioButton1(i), "RadioButton1").SetValue(true);
    }
    if (Module1::Flag_Radio && sender.Value() && Required(CheckBox1(), "CheckBox1").Value())
        calendar.Draw_Dock();
    Module1::Flag_Radio = true;
}

void Window2::PushButton3_Action(platform::PushButton &)
{
    CalendarWindow().Save_State();
}

void Window2::PushButton2_Action(platform::PushButton &)
{
    CalendarWindow().Show();
    Hide();
}

namespace {

// The copy steps of the openers. Each reaches the settings window through
// its accessor, so whichever step comes first makes and opens a new one.

void CopyShow()
{
    Window2::Instance().Show();
}

void CopyModeButtons()
{
    Window1 &calendar = CalendarWindow();
    for (int32_t i = 0; i <= 3; ++i) {
        if (Required(calendar.RadioButton1(i), "RadioButton1").Value())
            Required(Window2::Instance().RadioButton1(i), "RadioButton1").SetValue(true);
    }
}

void CopyNumber()
{
    const std::string number = Required(CalendarWindow().TransText(), "TransText").Text();
    Required(Window2::Instance().TransText(), "TransText").SetText(number);
}

void CopySlider()
{
    const int32_t value = Required(CalendarWindow().Slider1(), "Slider1").Value();
    Required(Window2::Instance().Slider1(), "Slider1").SetValue(value);
}

void CopyCheckBox()
{
    const bool value = Required(CalendarWindow().CheckBox1(), "CheckBox1").Value();
    Required(Window2::Instance().CheckBox1(), "CheckBox1").SetValue(value);
}

} // namespace

void Window2::Open_From_Preferences()
{
    CopyShow();
    CopyModeButtons();
    CopyNumber();
    CopySlider();
    CopyCheckBox();
}

void Window2::Open_From_Hover_Button()
{
    // No check-box step: the box and the mode buttons' enabling stay as the
    // settings window last had them.
    CopyModeButtons();
    CopyShow();
    CopyNumber();
    CopySlider();
}

void Window2::Open_From_Window_Click()
{
    CopyShow();
    CopyModeButtons();
    CopyCheckBox();
    CopyNumber();
    CopySlider();
}

} // namespace tovy
