#pragma once

#include "platform/windows/label.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class BevelButton;
class Canvas;
class CheckBox;
class Picture;
class PushButton;
class Slider;
class Timer;
} // namespace platform

namespace tovy {

// The calendar window. Its members are defined in the folders that own
// them: window/ (controls, grid, month display, navigation, tick, opening
// and closing), settings/ (settings file, panel, small mode) and dock/ (the
// icon picture).
class Window1 : public platform::Window {
public:
    static constexpr const char *kClassName = "Window1.Window1";

    // The element classes of the two control arrays. They are named
    // StaticText1Element and RadioButton1Element, not StaticText1 and
    // RadioButton1, because those names belong to the accessors below, which
    // would hide a nested class of the same name.
    //
    // The element class of StaticText1 (the day cells): made with an index
    // for the template cell, without one for the 42 cells.
    class StaticText1Element : public platform::Label {
    public:
        StaticText1Element(platform::Window &owner, int32_t index);
        explicit StaticText1Element(Window1 &owner);
    };

    class RadioButton1Element : public platform::RadioButton {
    public:
        RadioButton1Element(platform::Window &owner, int32_t index);
    };

    Window1();
    ~Window1() override;

    // The one calendar window, made and opened on first use.
    static Window1 &Instance();
    // The open calendar window, or none.
    static Window1 *Existing();

    // Properties.
    int32_t Start_Year = 0;
    int32_t Start_Month = 0;
    std::array<platform::Label *, 43> D{}; // cells 1..42, 0 the template
    int32_t Start_Day = 0;
    bool Win_Small = false;
    int32_t Win_Top = 0;
    int32_t Win_Left = 0;
    std::shared_ptr<platform::Picture> MyCanv;

    // Construction.
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void _CreateControls1();

    // Control accessors: each looks its control up afresh; none when missing.
    platform::Canvas *Canvas1() const;
    platform::Label *DayTxt() const;
    platform::Label *YearTxt() const;
    platform::Label *Sun() const;
    platform::Label *Tue() const;
    platform::Label *Wed() const;
    platform::Label *Thu() const;
    platform::Label *Fri() const;
    platform::Label *Sat() const;
    platform::Label *TukTxt() const;
    platform::Label *Mon() const;
    platform::Label *StaticText1(int32_t index) const;
    platform::Label *NenTxt() const;
    platform::Timer *Timer1() const;
    platform::Canvas *Canvas2() const;
    platform::Canvas *Canvas3() const;
    platform::Canvas *Canvas4() const;
    platform::Canvas *Canvas5() const;
    platform::Canvas *Canvas6() const;
    platform::Canvas *Canvas7() const;
    platform::Slider *Slider1() const;
    platform::Label *Label1() const;
    platform::Label *TransText() const;
    platform::PushButton *PushButton1() const;
    platform::CheckBox *CheckBox1() const;
    platform::RadioButton *RadioButton1(int32_t index) const;
    platform::BevelButton *BevelButton1() const;
    platform::PushButton *PushButton3() const;
    platform::PushButton *PushButton2() const;

    // Control event handlers (navigation, tick: window/; the rest: settings/).
    bool Canvas1_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas1_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    void DayTxt_Open(platform::Label &sender);
    void StaticText1_Open(platform::Label &sender);
    void Timer1_Action(platform::Timer &sender);
    bool Canvas2_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas2_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    bool Canvas3_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas3_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    bool Canvas4_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas4_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas5_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    bool Canvas5_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas6_MouseExit(platform::Canvas &sender);
    void Canvas6_MouseEnter(platform::Canvas &sender);
    void Canvas6_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    bool Canvas6_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas6_MouseMove(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas7_MouseEnter(platform::Canvas &sender);
    void Canvas7_MouseExit(platform::Canvas &sender);
    void Canvas7_MouseUp(platform::Canvas &sender, int32_t x, int32_t y);
    bool Canvas7_MouseDown(platform::Canvas &sender, int32_t x, int32_t y);
    void Canvas7_MouseMove(platform::Canvas &sender, int32_t x, int32_t y);
    void Slider1_ValueChanged(platform::Slider &sender);
    void Label1_Open(platform::Label &sender);
    void PushButton1_Action(platform::PushButton &sender);
    void CheckBox1_Action(platform::CheckBox &sender);
    void RadioButton1_Action(platform::RadioButton &sender);
    void PushButton3_Action(platform::PushButton &sender);
    void PushButton2_Action(platform::PushButton &sender);

    // Window events and menu handlers.
    void AddMenuHandlers() override;
    bool Event_MouseDown(int32_t x, int32_t y) override;
    void Event_MouseMove(int32_t x, int32_t y) override;
    void Event_MouseExit() override;
    void Event_MouseEnter() override;
    bool Event_CancelClose(bool appQuitting) override;
    void Event_Close() override;
    void Event_Open() override;
    void Event_MouseUp(int32_t x, int32_t y) override;
    bool _FileQuit_Action();
    bool _My_Pref_Action();

    // Methods.
    void Disp_Title();
    void Disp_Day();
    void Present_Set();
    std::string Nen(int32_t year) const;
    int32_t Month_Long(int32_t year, int32_t month) const;
    void Set_Day(int32_t first, int32_t count);
    void Set_Bold(int32_t cell);
    void Set_Red(int32_t cell);
    void Reset_Day();
    void Cong_Day(int32_t year, int32_t month, int32_t first);
    void Save_State();
    int32_t Get_Week(int32_t year, int32_t month, int32_t day) const;
    void Check_Day();
    int32_t Second_Monday(int32_t first) const;
    void Set_Color();
    void Small_Win();
    void Large_Win();
    void Draw_Text(platform::Label &label);
    void Draw_Icon1();
    void Draw_Back();
    void Draw_Day();
    void Draw_Dock();
    void Draw_OneMonth();

    // Steps of Event_Open owned by settings/: the reading of the settings
    // file (its controls, flags and position) and the appearance restored at
    // the end of opening.
    void Read_Settings(int32_t &red, int32_t &green, int32_t &blue);
    bool Leaving_Small_Press = false; // the press that left small mode is still held
};

} // namespace tovy
