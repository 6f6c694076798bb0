// The settings panel at the right of the calendar window, seen while the
// window is widened. Its controls only record: unlike the settings window,
// it applies neither the transparency nor a new dock mode at once.

#include "window/window1.h"

#include "design/calendarlook.h"
#include "design/required.h"
#include "platform/application/application.h"
#include "platform/drawing/dockitem.h"
#include "platform/files/text.h"
#include "platform/system/screen.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/selectcolor.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"

namespace tovy {

namespace {


} // namespace

bool Window1::_My_Pref_Action()
{
    SetWidth(kWidenedWidth);
    SetHeight(kNormalHeight);
    if (platform::Screen(0).Width < Left() + kWidenedWidth)
        SetLeft(platform::Screen(0).Width - kWidenedWidth);
    return false;
}

void Window1::PushButton2_Action(platform::PushButton &)
{
    // Left stays: a window pulled back by the widening does not move back.
    SetWidth(kNormalWidth);
    SetHeight(kNormalHeight);
}

void Window1::Slider1_ValueChanged(platform::Slider &sender)
{
    if (sender.Value() < 5)
        sender.SetValue(5);
    Required(TransText(), "TransText").SetText(platform::Str(sender.Value()));
    Module1::Trans = sender.Value();
}

void Window1::Label1_Open(platform::Label &) {}

void Window1::PushButton1_Action(platform::PushButton &)
{
    Set_Color();
}

void Window1::Set_Color()
{
    Hide();
    platform::Color colour = Module1::My_Col;
    // A cancel leaves the colour as it was, which is then applied again.
    platform::SelectColor(colour, "背景色を選んでください。");
    SetBackColor(colour);
    Module1::My_Col = colour;
    Show();
}

void Window1::CheckBox1_Action(platform::CheckBox &sender)
{
    const bool on = sender.Value();
    if (!on)
        platform::Application::Running().DockItem().ResetIcon();
    for (int32_t i = 0; i <= 3; ++i)
        Required(RadioButton1(i), "RadioButton1").SetEnabled(on);
    // The first run is the opening's own setting of the box: it draws nothing.
    if (Module1::Flag_Start && sender.Value())
        Draw_Dock();
    Module1::Flag_Start = true;
}

void Window1::RadioButton1_Action(platform::RadioButton &sender)
{
    if (sender.Value())
        Module1::MyDock = sender.Index();
    Module1::Flag_Radio = true;
}

void Window1::PushButton3_Action(platform::PushButton &)
{
    Save_State();
}

} // namespace tovy
