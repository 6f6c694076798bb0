#pragma once

#include "platform/drawing/color.h"
#include "platform/windows/control.h"
#include "platform/windows/propertylist.h"
#include "platform/windows/window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace platform {
class CheckBox;
class PushButton;
class Slider;
} // namespace platform

// The design lists of both windows and of their controls. A list is applied
// in order, so every builder keeps its entries in the design's order: for a
// control, first the entries every control shares, then those of its kind.
namespace tovy {

// "透明度", nine ideographic spaces, "%": the gap holds the number label.
inline constexpr const char *kTransparencyCaption =
    "透明度\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000%";

struct Frame {
    int32_t left, top, width, height;
};

// The values in which the two windows' own lists differ.
struct WindowLook {
    int32_t placement;
    int32_t width;
    int32_t height;
    bool hasBackColor;
    std::string title;
    bool maximizeButton;
};

platform::PropertyList WindowList(WindowLook look);

// The values of the entries every control's list begins with.
struct ControlPlace {
    const char *name;
    int32_t index;
    Frame frame;
    int32_t tabIndex;
};

// Those entries, followed by the entries of the control's own kind.
platform::PropertyList ControlList(const ControlPlace &place, platform::PropertyList kindEntries);

struct LabelLook {
    std::string text;
    platform::Color color = platform::RGB(0, 0, 0);
    int32_t align = 0;
    bool visible = true;
    bool transparent = false;
    bool bold = false;
    std::string parent = {};
};

platform::PropertyList LabelList(const ControlPlace &place, LabelLook look);
platform::PropertyList SliderList(const ControlPlace &place);
platform::PropertyList PushButtonList(const ControlPlace &place, std::string caption, bool isDefault);
platform::PropertyList CheckBoxList(const ControlPlace &place, std::string caption);
platform::PropertyList RadioButtonList(const ControlPlace &place, std::string caption, bool enabled, bool value);

// Where a window puts one of its dock-mode buttons.
struct ModeButtonPlace {
    Frame frame;
    int32_t tabIndex;
};

// Element `mode` of the dock-mode button array RadioButton1: its caption
// names the mode, mode 0 starts chosen, and all start disabled until the
// dock option is on.
platform::PropertyList ModeButtonList(int32_t mode, const ModeButtonPlace &place);

// Registers a newly made control under its name and gives it back as its
// own kind.
template <class T>
T &AddControl(platform::Window &window, std::unique_ptr<T> control, const char *name)
{
    return static_cast<T &>(window._AddControl(std::move(control), name));
}

// The same for a control with text, then its text size in pixels and its
// design. Handlers are bound by the caller after this, so that no design
// value runs one.
template <class T>
T &AddTextControl(platform::Window &window, std::unique_ptr<T> control, const char *name, float textSize,
                  const platform::PropertyList &design)
{
    T &added = AddControl(window, std::move(control), name);
    added.SetTextSize(textSize);
    added.SetTextUnit(0);
    added._SetProperties(design);
    return added;
}

// The transparency slider Slider1 and the dock option CheckBox1, as both
// windows have them.
platform::Slider &AddSlider(platform::Window &window, Frame frame, int32_t tabIndex);
platform::CheckBox &AddCheckBox(platform::Window &window, float textSize, Frame frame, int32_t tabIndex);

platform::PushButton &AddPushButton(platform::Window &window, const char *name, float textSize, Frame frame,
                                    int32_t tabIndex, std::string caption, bool isDefault);

// A dock-mode button made with the window's own element class.
template <class Element>
Element &AddModeButton(platform::Window &window, int32_t mode, const ModeButtonPlace &place, float textSize)
{
    return AddTextControl(window, std::make_unique<Element>(window, mode), "RadioButton1", textSize,
                          ModeButtonList(mode, place));
}

} // namespace tovy
