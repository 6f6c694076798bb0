// The calendar window's design: its own property list and its 32 controls,
// made one after the other, each in the same five steps: new object,
// registration, face or text size, property list, event bindings. Binding
// last keeps every design value from running a handler.

#include "window/window1.h"

#include "platform/bevelbutton.h"
#include "platform/canvas.h"
#include "platform/checkbox.h"
#include "platform/pushbutton.h"
#include "platform/slider.h"
#include "platform/timer.h"
#include "settings/required.h"
#include "window/buttonpictures.h"
#include "window/window1design.h"

#include <memory>
#include <string>
#include <utility>

namespace tovy {

namespace {

using platform::Color;
using platform::PropertyList;
using platform::RGB;

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
// The month number's design colour; every shown month replaces it.
constexpr Color kDesignGreen = RGB(0, 127, 0);

// "透明度", nine ideographic spaces, "%": the gap holds TransText.
constexpr const char *kTransparencyCaption =
    "透明度\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000%";

struct Frame {
    int32_t left, top, width, height;
};

void Append(PropertyList &list, PropertyList more)
{
    for (platform::Property &entry : more)
        list.push_back(std::move(entry));
}

// The entries every control's list begins with (the timer's excepted).
PropertyList Common(const char *name, int32_t index, Frame frame, int32_t tabIndex)
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

struct LabelDesign {
    const char *name;
    int32_t index = platform::kNoIndex;
    Frame frame;
    int32_t tabIndex;
    std::string text;
    Color color = kBlack;
    int32_t align = 0;
    bool visible = true;
    bool transparent = false;
    bool bold = false;
    std::string parent = {};
};

PropertyList LabelList(LabelDesign d)
{
    PropertyList list = Common(d.name, d.index, d.frame, d.tabIndex);
    Append(list, {
                     {"Text", std::move(d.text)},
                     {"TextAlign", d.align},
                     {"TextColor", d.color},
                     {"Multiline", false},
                     {"Enabled", true},
                     {"Visible", d.visible},
                     {"Selectable", false},
                     {"Transparent", d.transparent},
                     {"HelpTag", std::string()},
                     {"AutoDeactivate", true},
                     {"TextFont", std::string("Osaka")},
                     {"Bold", d.bold},
                     {"Italic", false},
                     {"Underline", false},
                     {"DataSource", std::string()},
                     {"DataField", std::string()},
                     {"InitialParent", std::move(d.parent)},
                 });
    return list;
}

PropertyList CanvasList(const char *name, Frame frame, int32_t tabIndex, bool visible = true,
                        std::string helpTag = {})
{
    PropertyList list = Common(name, platform::kNoIndex, frame, tabIndex);
    Append(list, {
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
    return list;
}

PropertyList SliderList()
{
    PropertyList list = Common("Slider1", platform::kNoIndex, {205, 65, 174, 18}, 18);
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

PropertyList PushButtonList(const char *name, Frame frame, int32_t tabIndex, std::string caption,
                            bool isDefault = false)
{
    PropertyList list = Common(name, platform::kNoIndex, frame, tabIndex);
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

PropertyList CheckBoxList()
{
    PropertyList list = Common("CheckBox1", platform::kNoIndex, {117, 17, 96, 20}, 21);
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
    int32_t tabIndex;
    const char *caption;
};

// The dock display modes 0 to 3 by element index, a two-by-two block.
constexpr ModeButton kModeButtons[4] = {
    {{214, 17, 67, 20}, 22, "一か月"},
    {{283, 17, 80, 20}, 24, "月日(曜日)"},
    {{214, 40, 67, 20}, 25, "日"},
    {{283, 40, 80, 20}, 26, "曜日"},
};

PropertyList RadioButtonList(int32_t index)
{
    const ModeButton &button = kModeButtons[index];
    PropertyList list = Common("RadioButton1", index, button.frame, button.tabIndex);
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

PropertyList BevelButtonList()
{
    PropertyList list = Common("BevelButton1", platform::kNoIndex, {103, -1, 292, 15}, 23);
    Append(list, {
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
    return list;
}

template <class T>
void SetTextSize(T *control, const char *name, float size)
{
    T &found = Required(control, name);
    found.SetTextSize(size);
    found.SetTextUnit(0);
}

// A weekday head: colour and place only differ.
void MakeHead(Window1 &w, const char *name, int32_t left, int32_t tabIndex, const char *text,
              Color color)
{
    w._AddControl(std::make_unique<platform::Label>(w), name);
    SetTextSize(w.ControlAs<platform::Label>(name), name, 9.0f);
    Required(w.ControlAs<platform::Label>(name), name)
        ._SetProperties(LabelList({.name = name, .frame = {left, 27, 12, 15}, .tabIndex = tabIndex,
                                   .text = text, .color = color}));
}

// A dock-mode button, element index of its array: the mode it selects.
void MakeModeButton(Window1 &w, int32_t index)
{
    w._AddControl(std::make_unique<Window1::RadioButton1Element>(w, index), "RadioButton1");
    SetTextSize(w.RadioButton1(index), "RadioButton1", 12.0f);
    Required(w.RadioButton1(index), "RadioButton1")._SetProperties(RadioButtonList(index));
    Required(w.RadioButton1(index), "RadioButton1").OnAction([&w](platform::RadioButton &b) {
        w.RadioButton1_Action(b);
    });
}

} // namespace

PropertyList StaticText1Design()
{
    return LabelList({.name = "StaticText1", .index = 0, .frame = {18, 161, 15, 12}, .tabIndex = 10,
                      .text = "Dammy", .transparent = true});
}

void Window1::Layout()
{
    _SetProperties({
        {"Placement", int32_t{2}},
        {"Width", int32_t{395}},
        {"Height", int32_t{191}},
        {"MinWidth", int32_t{64}},
        {"MinHeight", int32_t{64}},
        {"MaxWidth", int32_t{32000}},
        {"MaxHeight", int32_t{32000}},
        {"Frame", int32_t{7}},
        {"Composite", true},
        {"HasBackColor", true},
        {"BackColor", RGB(255, 255, 255)},
        {"Title", std::string()},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", true},
        {"FullScreenButton", false},
        {"MacProcID", int32_t{0}},
    });
}

void Window1::CreateControls()
{
    _CreateControls0();
    _CreateControls1();
}

void Window1::_CreateControls0()
{
    // 1: previous year.
    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas1");
    Required(Canvas1(), "Canvas1").SetBackdrop(BakYea());
    Required(Canvas1(), "Canvas1")._SetProperties(CanvasList("Canvas1", {-1, -1, 22, 15}, 0));
    Required(Canvas1(), "Canvas1").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas1_MouseDown(c, x, y);
    });
    Required(Canvas1(), "Canvas1").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas1_MouseUp(c, x, y);
    });

    // 2: the small-mode day number, inside Canvas1 where the tile stays visible.
    _AddControl(std::make_unique<platform::Label>(*this), "DayTxt");
    SetTextSize(DayTxt(), "DayTxt", 9.0f);
    Required(DayTxt(), "DayTxt")
        ._SetProperties(LabelList({.name = "DayTxt", .frame = {3, -1, 17, 15}, .tabIndex = 0, .text = "31",
                                   .visible = false, .bold = true, .parent = "Canvas1"}));
    Required(DayTxt(), "DayTxt").OnOpen([this](platform::Label &l) { DayTxt_Open(l); });

    // 3: the year.
    _AddControl(std::make_unique<platform::Label>(*this), "YearTxt");
    SetTextSize(YearTxt(), "YearTxt", 9.0f);
    Required(YearTxt(), "YearTxt")
        ._SetProperties(LabelList({.name = "YearTxt", .frame = {74, 15, 27, 15}, .tabIndex = 1, .text = "2000"}));

    // 4 to 9: weekday heads, Monday's comes later.
    MakeHead(*this, "Sun", 4, 2, "日", kRed);
    MakeHead(*this, "Tue", 32, 3, "火", kBlack);
    MakeHead(*this, "Wed", 46, 4, "水", kBlack);
    MakeHead(*this, "Thu", 61, 5, "木", kBlack);
    MakeHead(*this, "Fri", 76, 6, "金", kBlack);
    MakeHead(*this, "Sat", 89, 7, "土", kBlue);

    // 10: the month number.
    _AddControl(std::make_unique<platform::Label>(*this), "TukTxt");
    SetTextSize(TukTxt(), "TukTxt", 12.0f);
    Required(TukTxt(), "TukTxt")
        ._SetProperties(LabelList({.name = "TukTxt", .frame = {49, 14, 21, 16}, .tabIndex = 8, .text = "12",
                                   .color = kDesignGreen, .bold = true}));

    // 11: Monday's head.
    MakeHead(*this, "Mon", 18, 9, "月", kBlack);

    // 12: the template cell, element 0 of the day-cell array.
    _AddControl(std::make_unique<StaticText1Element>(*this, 0), "StaticText1");
    SetTextSize(StaticText1(0), "StaticText1", kDayCellTextSize);
    Required(StaticText1(0), "StaticText1")._SetProperties(StaticText1Design());
    Required(StaticText1(0), "StaticText1").OnOpen([this](platform::Label &l) { StaticText1_Open(l); });

    // 13: the era year.
    _AddControl(std::make_unique<platform::Label>(*this), "NenTxt");
    SetTextSize(NenTxt(), "NenTxt", 9.0f);
    Required(NenTxt(), "NenTxt")
        ._SetProperties(LabelList({.name = "NenTxt", .frame = {3, 15, 43, 15}, .tabIndex = 11, .text = "平成12年"}));

    // 14: the once-a-second day-change check.
    _AddControl(std::make_unique<platform::Timer>(*this), "Timer1");
    Required(Timer1(), "Timer1")._SetProperties({{"Mode", int32_t{2}}, {"Period", int32_t{1000}}});
    Required(Timer1(), "Timer1").OnAction([this](platform::Timer &t) { Timer1_Action(t); });

    // 15 to 18: previous month, current month, next month, next year.
    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas2");
    Required(Canvas2(), "Canvas2").SetBackdrop(BakMon());
    Required(Canvas2(), "Canvas2")._SetProperties(CanvasList("Canvas2", {21, -1, 25, 15}, 12));
    Required(Canvas2(), "Canvas2").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas2_MouseDown(c, x, y);
    });
    Required(Canvas2(), "Canvas2").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas2_MouseUp(c, x, y);
    });

    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas3");
    Required(Canvas3(), "Canvas3").SetBackdrop(tovy::Reset());
    Required(Canvas3(), "Canvas3")._SetProperties(CanvasList("Canvas3", {43, -1, 16, 15}, 13));
    Required(Canvas3(), "Canvas3").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas3_MouseDown(c, x, y);
    });
    Required(Canvas3(), "Canvas3").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas3_MouseUp(c, x, y);
    });

    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas4");
    Required(Canvas4(), "Canvas4").SetBackdrop(NextMon());
    Required(Canvas4(), "Canvas4")._SetProperties(CanvasList("Canvas4", {59, -1, 22, 15}, 14));
    Required(Canvas4(), "Canvas4").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas4_MouseDown(c, x, y);
    });
    Required(Canvas4(), "Canvas4").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas4_MouseUp(c, x, y);
    });

    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas5");
    Required(Canvas5(), "Canvas5").SetBackdrop(NextYea());
    Required(Canvas5(), "Canvas5")._SetProperties(CanvasList("Canvas5", {81, -1, 22, 15}, 15));
    Required(Canvas5(), "Canvas5").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas5_MouseUp(c, x, y);
    });
    Required(Canvas5(), "Canvas5").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas5_MouseDown(c, x, y);
    });

    // 19, 20: the hover buttons, shrink and settings.
    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas6");
    Required(Canvas6(), "Canvas6").SetBackdrop(smal());
    Required(Canvas6(), "Canvas6")._SetProperties(CanvasList("Canvas6", {89, 102, 10, 10}, 16, false, "縮小"));
    Required(Canvas6(), "Canvas6").OnMouseExit([this](platform::Canvas &c) { Canvas6_MouseExit(c); });
    Required(Canvas6(), "Canvas6").OnMouseEnter([this](platform::Canvas &c) { Canvas6_MouseEnter(c); });
    Required(Canvas6(), "Canvas6").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas6_MouseUp(c, x, y);
    });
    Required(Canvas6(), "Canvas6").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas6_MouseDown(c, x, y);
    });
    Required(Canvas6(), "Canvas6").OnMouseMove([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas6_MouseMove(c, x, y);
    });

    _AddControl(std::make_unique<platform::Canvas>(*this), "Canvas7");
    Required(Canvas7(), "Canvas7").SetBackdrop(tovy::Set());
    Required(Canvas7(), "Canvas7")._SetProperties(CanvasList("Canvas7", {75, 102, 10, 10}, 17, false, "設定"));
    Required(Canvas7(), "Canvas7").OnMouseEnter([this](platform::Canvas &c) { Canvas7_MouseEnter(c); });
    Required(Canvas7(), "Canvas7").OnMouseExit([this](platform::Canvas &c) { Canvas7_MouseExit(c); });
    Required(Canvas7(), "Canvas7").OnMouseUp([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas7_MouseUp(c, x, y);
    });
    Required(Canvas7(), "Canvas7").OnMouseDown([this](platform::Canvas &c, int32_t x, int32_t y) {
        return Canvas7_MouseDown(c, x, y);
    });
    Required(Canvas7(), "Canvas7").OnMouseMove([this](platform::Canvas &c, int32_t x, int32_t y) {
        Canvas7_MouseMove(c, x, y);
    });

    // 21 to 30: the settings panel, right of x 102.
    _AddControl(std::make_unique<platform::Slider>(*this), "Slider1");
    Required(Slider1(), "Slider1")._SetProperties(SliderList());
    Required(Slider1(), "Slider1").OnValueChanged([this](platform::Slider &s) { Slider1_ValueChanged(s); });

    _AddControl(std::make_unique<platform::Label>(*this), "Label1");
    SetTextSize(Label1(), "Label1", 12.0f);
    Required(Label1(), "Label1")
        ._SetProperties(LabelList({.name = "Label1", .frame = {119, 63, 92, 20}, .tabIndex = 19,
                                   .text = kTransparencyCaption}));
    Required(Label1(), "Label1").OnOpen([this](platform::Label &l) { Label1_Open(l); });

    _AddControl(std::make_unique<platform::Label>(*this), "TransText");
    SetTextSize(TransText(), "TransText", 12.0f);
    Required(TransText(), "TransText")
        ._SetProperties(LabelList({.name = "TransText", .frame = {158, 65, 27, 15}, .tabIndex = 0,
                                   .text = "100", .align = 2, .parent = "Label1"}));

    _AddControl(std::make_unique<platform::PushButton>(*this), "PushButton1");
    SetTextSize(PushButton1(), "PushButton1", 12.0f);
    Required(PushButton1(), "PushButton1")._SetProperties(PushButtonList("PushButton1", {119, 89, 59, 20}, 20, "背景色"));
    Required(PushButton1(), "PushButton1").OnAction([this](platform::PushButton &b) { PushButton1_Action(b); });

    _AddControl(std::make_unique<platform::CheckBox>(*this), "CheckBox1");
    SetTextSize(CheckBox1(), "CheckBox1", 12.0f);
    Required(CheckBox1(), "CheckBox1")._SetProperties(CheckBoxList());
    Required(CheckBox1(), "CheckBox1").OnAction([this](platform::CheckBox &b) { CheckBox1_Action(b); });

    MakeModeButton(*this, 0);

    _AddControl(std::make_unique<platform::BevelButton>(*this), "BevelButton1");
    SetTextSize(BevelButton1(), "BevelButton1", 10.0f);
    Required(BevelButton1(), "BevelButton1")._SetProperties(BevelButtonList());

    MakeModeButton(*this, 1);
    MakeModeButton(*this, 2);
    MakeModeButton(*this, 3);
}

void Window1::_CreateControls1()
{
    _AddControl(std::make_unique<platform::PushButton>(*this), "PushButton3");
    SetTextSize(PushButton3(), "PushButton3", 12.0f);
    Required(PushButton3(), "PushButton3")._SetProperties(PushButtonList("PushButton3", {182, 89, 69, 20}, 27, "設定保存"));
    Required(PushButton3(), "PushButton3").OnAction([this](platform::PushButton &b) { PushButton3_Action(b); });

    _AddControl(std::make_unique<platform::PushButton>(*this), "PushButton2");
    SetTextSize(PushButton2(), "PushButton2", 12.0f);
    Required(PushButton2(), "PushButton2")
        ._SetProperties(PushButtonList("PushButton2", {332, 89, 57, 20}, 28, "閉じる", true));
    Required(PushButton2(), "PushButton2").OnAction([this](platform::PushButton &b) { PushButton2_Action(b); });
}

} // namespace tovy
