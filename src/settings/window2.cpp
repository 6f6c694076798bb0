// The settings window. Unlike the calendar window's panel it applies the
// transparency and the colour at once, redraws the icon from its mode
// buttons, and mirrors its slider, check box and mode buttons into the panel.

#include "settings/window2.h"

#include "app/app.h"
#include "platform/checkbox.h"
#include "platform/dockitem.h"
#include "platform/pushbutton.h"
#include "platform/selectcolor.h"
#include "platform/slider.h"
#include "platform/text.h"
#include "platform/windowextensions.h"
#include "settings/module1.h"
#include "settings/required.h"
#include "window/window1.h"

#include <array>
#include <memory>
#include <string>
#include <utility>

namespace tovy {

namespace {

constexpr const char *kTransparencyCaption = "透明度　　　　　　　　　%"; // nine U+3000
constexpr const char *kColourPrompt = "背景色を選んでください。";
constexpr float kTextSize = 12.0f;
constexpr platform::Color kBlack = platform::RGB(0, 0, 0);

struct Frame {
    int32_t left, top, width, height;
};

// The entries every control's list begins with.
platform::PropertyList CommonEntries(const char *name, int32_t index, Frame frame, int32_t tabIndex)
{
    return {
        {"Name", std::string(name)},
        {"Index", index},
        {"Left", frame.left},
        {"Top", frame.top},
        {"Width", frame.width},
        {"Height", frame.height},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", int32_t{0}},
        {"TabIndex", tabIndex},
    };
}

void Append(platform::PropertyList &list, platform::PropertyList more)
{
    for (platform::Property &entry : more)
        list.push_back(std::move(entry));
}

platform::PropertyList SliderList()
{
    platform::PropertyList list = CommonEntries("Slider1", platform::kNoIndex, {108, 48, 174, 18}, 0);
    Append(list, {
                     {"TabStop", true},
                     {"Enabled", true},
                     {"Visible", true},
                     {"HelpTag", std::string()},
                     {"AutoDeactivate", true},
                     {"Minimum", int32_t{50}},
                     {"Value", int32_t{100}},
                     {"Maximum", int32_t{100}},
                     {"LineStep", int32_t{1}},
                     {"PageStep", int32_t{20}},
                     {"LiveScroll", false},
                     {"TickStyle", int32_t{0}},
                     {"InitialParent", std::string()},
                 });
    return list;
}

platform::PropertyList LabelList(const char *name, int32_t index, Frame frame, int32_t tabIndex,
                                 std::string text, int32_t align, std::string parent)
{
    platform::PropertyList list = CommonEntries(name, index, frame, tabIndex);
    Append(list, {
                     {"Text", std::move(text)},
                     {"TextAlign", align},
                     {"TextColor", kBlack},
                     {"Multiline", false},
                     {"Enabled", true},
                     {"Visible", true},
                     {"Selectable", false},
                     {"Transparent", false},
                     {"HelpTag", std::string()},
                     {"AutoDeactivate", true},
                     {"TextFont", std::string("Osaka")},
                     {"Bold", false},
                     {"Italic", false},
                     {"Underline", false},
                     {"DataSource", std::string()},
                     {"DataField", std::string()},
                     {"InitialParent", std::move(parent)},
                 });
    return list;
}

platform::PropertyList PushButtonList(const char *name, Frame frame, int32_t tabIndex, std::string caption,
                                      bool isDefault)
{
    platform::PropertyList list = CommonEntries(name, platform::kNoIndex, frame, tabIndex);
    Append(list, {
                     {"TabStop", true},
                     {"Caption", std::move(caption)},
                     {"Default", isDefault},
                     {"Cancel", false},
                     {"Enabled", true},
                     {"Visible", true},
                     {"HelpTag", std::string()},
                     {"AutoDeactivate", true},
                     {"ButtonStyle", int32_t{0}},
                     {"TextFont", std::string("Osaka")},
                     {"Bold", false},
                     {"Italic", false},
                     {"Underline", false},
                     {"InitialParent", std::string()},
                 });
    return list;
}

platform::PropertyList CheckBoxList()
{
    platform::PropertyList list = CommonEntries("CheckBox1", platform::kNoIndex, {8, 78, 96, 20}, 3);
    Append(list, {
                     {"TabStop", true},
                     {"Caption", std::string("Dockアイコン")},
                     {"Enabled", true},
                     {"Visible", true},
                     {"HelpTag", std::string()},
                     {"AutoDeactivate", true},
                     {"TextFont", std::string("Osaka")},
                     {"Bold", false},
                     {"Italic", false},
                     {"Underline", false},
                     {"State", int32_t{0}},
                     {"Value", false},
                     {"DataSource", std::string()},
                     {"DataField", std::string()},
                     {"InitialParent", std::string()},
                 });
    return list;
}

struct ModeButton {
    Frame frame;
    const char *caption;
};

// Dock display modes 0 to 3, by element index.
constexpr std::array<ModeButton, 4> kModeButtons{{
    {{105, 78, 67, 20}, "一か月"},
    {{174, 78, 80, 20}, "月日(曜日)"},
    {{105, 101, 67, 20}, "日"},
    {{174, 101, 80, 20}, "曜日"},
}};

platform::PropertyList RadioButtonList(int32_t index)
{
    const ModeButton &button = kModeButtons[static_cast<size_t>(index)];
    platform::PropertyList list = CommonEntries("RadioButton1", index, button.frame, 4 + index);
    Append(list, {
                     {"TabStop", true},
                     {"Caption", std::string(button.caption)},
                     {"Enabled", false},
                     {"Visible", true},
                     {"HelpTag", std::string()},
                     {"AutoDeactivate", true},
                     {"TextFont", std::string("Osaka")},
                     {"Bold", false},
                     {"Italic", false},
                     {"Underline", false},
                     {"Value", index == 0},
                     {"InitialParent", std::string()},
                 });
    return list;
}

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
    _SetProperties({
        {"Placement", int32_t{3}},
        {"Width", int32_t{302}},
        {"Height", int32_t{173}},
        {"MinWidth", int32_t{64}},
        {"MinHeight", int32_t{64}},
        {"MaxWidth", int32_t{32000}},
        {"MaxHeight", int32_t{32000}},
        {"Frame", int32_t{7}},
        {"Composite", true},
        {"HasBackColor", false},
        {"BackColor", platform::RGB(255, 255, 255)},
        {"Title", std::string("設定")},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", true},
        {"MinimizeButton", true},
        {"FullScreenButton", false},
        {"MacProcID", int32_t{0}},
    });
}

void Window2::CreateControls()
{
    _CreateControls0();
}

// Each control: made, registered under its name, text size, design values,
// and only then its handler, so that no design value runs a handler.
void Window2::_CreateControls0()
{
    {
        auto &slider = static_cast<platform::Slider &>(
            _AddControl(std::make_unique<platform::Slider>(*this), "Slider1"));
        slider._SetProperties(SliderList());
        slider.OnValueChanged([this](platform::Slider &s) { Slider1_ValueChanged(s); });
    }
    {
        auto &caption = static_cast<platform::Label &>(
            _AddControl(std::make_unique<StaticText1Element>(*this, 0), "StaticText1"));
        caption.SetTextSize(kTextSize);
        caption.SetTextUnit(0);
        caption._SetProperties(LabelList("StaticText1", 0, {8, 44, 92, 20}, 1, kTransparencyCaption, 0, ""));
        caption.OnOpen([this](platform::Label &l) { StaticText1_Open(l); });
    }
    {
        auto &number = static_cast<platform::Label &>(
            _AddControl(std::make_unique<platform::Label>(*this), "TransText"));
        number.SetTextSize(kTextSize);
        number.SetTextUnit(0);
        number._SetProperties(
            LabelList("TransText", platform::kNoIndex, {43, 46, 27, 15}, 0, "100", 2, "StaticText1"));
    }
    {
        auto &colour = static_cast<platform::PushButton &>(
            _AddControl(std::make_unique<platform::PushButton>(*this), "PushButton1"));
        colour.SetTextSize(kTextSize);
        colour.SetTextUnit(0);
        colour._SetProperties(PushButtonList("PushButton1", {20, 10, 78, 22}, 2, "背景色変更", false));
        colour.OnAction([this](platform::PushButton &b) { PushButton1_Action(b); });
    }
    {
        auto &dock = static_cast<platform::CheckBox &>(
            _AddControl(std::make_unique<platform::CheckBox>(*this), "CheckBox1"));
        dock.SetTextSize(kTextSize);
        dock.SetTextUnit(0);
        dock._SetProperties(CheckBoxList());
        dock.OnAction([this](platform::CheckBox &b) { CheckBox1_Action(b); });
    }
    for (int32_t i = 0; i < static_cast<int32_t>(kModeButtons.size()); ++i) {
        auto &mode = static_cast<platform::RadioButton &>(
            _AddControl(std::make_unique<RadioButton1Element>(*this, i), "RadioButton1"));
        mode.SetTextSize(kTextSize);
        mode.SetTextUnit(0);
        mode._SetProperties(RadioButtonList(i));
        mode.OnAction([this](platform::RadioButton &r) { RadioButton1_Action(r); });
    }
    {
        auto &save = static_cast<platform::PushButton &>(
            _AddControl(std::make_unique<platform::PushButton>(*this), "PushButton3"));
        save.SetTextSize(kTextSize);
        save.SetTextUnit(0);
        save._SetProperties(PushButtonList("PushButton3", {79, 133, 69, 20}, 8, "設定保存", false));
        save.OnAction([this](platform::PushButton &b) { PushButton3_Action(b); });
    }
    {
        auto &close = static_cast<platform::PushButton &>(
            _AddControl(std::make_unique<platform::PushButton>(*this), "PushButton2"));
        close.SetTextSize(kTextSize);
        close.SetTextUnit(0);
        close._SetProperties(PushButtonList("PushButton2", {225, 133, 57, 20}, 9, "閉じる", true));
        close.OnAction([this](platform::PushButton &b) { PushButton2_Action(b); });
    }
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
        App::Instance().DockItem().ResetIcon();
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
