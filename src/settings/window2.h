#pragma once

#include "platform/windows/label.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/window.h"

#include <cstdint>

namespace platform {
class CheckBox;
class PushButton;
class Slider;
} // namespace platform

namespace tovy {

// The settings window "設定": the twin of the calendar window's panel that
// applies transparency and colour at once and mirrors itself into the panel.
class Window2 : public platform::Window {
public:
    static constexpr const char *kClassName = "Window2.Window2";

    class StaticText1Element : public platform::Label {
    public:
        StaticText1Element(platform::Window &owner, int32_t index);
    };

    class RadioButton1Element : public platform::RadioButton {
    public:
        RadioButton1Element(platform::Window &owner, int32_t index);
    };

    Window2();
    ~Window2() override;

    // The one settings window, made and opened on first use.
    static Window2 &Instance();
    static Window2 *Existing();

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    platform::Slider *Slider1() const;
    platform::Label *StaticText1(int32_t index) const;
    platform::Label *TransText() const;
    platform::PushButton *PushButton1() const;
    platform::CheckBox *CheckBox1() const;
    platform::RadioButton *RadioButton1(int32_t index) const;
    platform::PushButton *PushButton3() const;
    platform::PushButton *PushButton2() const;

    void Slider1_ValueChanged(platform::Slider &sender);
    void StaticText1_Open(platform::Label &sender);
    void PushButton1_Action(platform::PushButton &sender);
    void CheckBox1_Action(platform::CheckBox &sender);
    void RadioButton1_Action(platform::RadioButton &sender);
    void PushButton3_Action(platform::PushButton &sender);
    void PushButton2_Action(platform::PushButton &sender);

    // The three ways the calendar window opens this window, each with its
    // own copy of the calendar window's settings, in its own order: the
    // Preferences item, the settings hover button, a click in its area.
    static void Open_From_Preferences();
    static void Open_From_Hover_Button();
    static void Open_From_Window_Click();
};

} // namespace tovy
