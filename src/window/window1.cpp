// The calendar window object: its one instance, the element classes of its
// two control arrays and the accessors that find each control by name.

#include "window/window1.h"

#include "platform/application/timer.h"
#include "platform/drawing/picture.h"
#include "platform/windows/bevelbutton.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/slider.h"
#include "window/window1design.h"

namespace tovy {

Window1::StaticText1Element::StaticText1Element(platform::Window &owner, int32_t index)
    : platform::Label(owner, index)
{
}

// A day cell: made in the template's design, so that it starts exactly like
// the template cell (below the window, "Dammy") until the grid places it.
// Registration under "StaticText1" is left to the maker, who owns it until
// the window takes it.
Window1::StaticText1Element::StaticText1Element(Window1 &owner) : platform::Label(owner, 0)
{
    SetTextSize(kDayCellTextSize);
    SetTextUnit(0);
    _SetProperties(StaticText1Design());
    OnOpen([&owner](platform::Label &sender) { owner.StaticText1_Open(sender); });
}

Window1::RadioButton1Element::RadioButton1Element(platform::Window &owner, int32_t index)
    : platform::RadioButton(owner, index)
{
}

Window1::Window1() : platform::Window(kClassName) {}

Window1::~Window1() = default;

Window1 &Window1::Instance()
{
    return platform::ImplicitInstance<Window1>(kClassName);
}

Window1 *Window1::Existing()
{
    return dynamic_cast<Window1 *>(platform::FindWindow(kClassName));
}

platform::Canvas *Window1::Canvas1() const { return ControlAs<platform::Canvas>("Canvas1"); }
platform::Label *Window1::DayTxt() const { return ControlAs<platform::Label>("DayTxt"); }
platform::Label *Window1::YearTxt() const { return ControlAs<platform::Label>("YearTxt"); }
platform::Label *Window1::Sun() const { return ControlAs<platform::Label>("Sun"); }
platform::Label *Window1::Tue() const { return ControlAs<platform::Label>("Tue"); }
platform::Label *Window1::Wed() const { return ControlAs<platform::Label>("Wed"); }
platform::Label *Window1::Thu() const { return ControlAs<platform::Label>("Thu"); }
platform::Label *Window1::Fri() const { return ControlAs<platform::Label>("Fri"); }
platform::Label *Window1::Sat() const { return ControlAs<platform::Label>("Sat"); }
platform::Label *Window1::TukTxt() const { return ControlAs<platform::Label>("TukTxt"); }
platform::Label *Window1::Mon() const { return ControlAs<platform::Label>("Mon"); }

platform::Label *Window1::StaticText1(int32_t index) const
{
    return ControlAs<platform::Label>("StaticText1", index);
}

platform::Label *Window1::NenTxt() const { return ControlAs<platform::Label>("NenTxt"); }
platform::Timer *Window1::Timer1() const { return ControlAs<platform::Timer>("Timer1"); }
platform::Canvas *Window1::Canvas2() const { return ControlAs<platform::Canvas>("Canvas2"); }
platform::Canvas *Window1::Canvas3() const { return ControlAs<platform::Canvas>("Canvas3"); }
platform::Canvas *Window1::Canvas4() const { return ControlAs<platform::Canvas>("Canvas4"); }
platform::Canvas *Window1::Canvas5() const { return ControlAs<platform::Canvas>("Canvas5"); }
platform::Canvas *Window1::Canvas6() const { return ControlAs<platform::Canvas>("Canvas6"); }
platform::Canvas *Window1::Canvas7() const { return ControlAs<platform::Canvas>("Canvas7"); }
platform::Slider *Window1::Slider1() const { return ControlAs<platform::Slider>("Slider1"); }
platform::Label *Window1::Label1() const { return ControlAs<platform::Label>("Label1"); }
platform::Label *Window1::TransText() const { return ControlAs<platform::Label>("TransText"); }
platform::PushButton *Window1::PushButton1() const { return ControlAs<platform::PushButton>("PushButton1"); }
platform::CheckBox *Window1::CheckBox1() const { return ControlAs<platform::CheckBox>("CheckBox1"); }

platform::RadioButton *Window1::RadioButton1(int32_t index) const
{
    return ControlAs<platform::RadioButton>("RadioButton1", index);
}

platform::BevelButton *Window1::BevelButton1() const { return ControlAs<platform::BevelButton>("BevelButton1"); }
platform::PushButton *Window1::PushButton3() const { return ControlAs<platform::PushButton>("PushButton3"); }
platform::PushButton *Window1::PushButton2() const { return ControlAs<platform::PushButton>("PushButton2"); }

} // namespace tovy
