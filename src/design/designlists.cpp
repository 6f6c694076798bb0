#include "design/designlists.h"

#include "platform/windows/checkbox.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/slider.h"

#include <array>

namespace tovy {

namespace {

constexpr std::array<const char *, 4> kModeCaptions{"一か月", "月日(曜日)", "日", "曜日"};

void AppendAll(platform::PropertyList &list, platform::PropertyList more)
{
    for (platform::Property &entry : more)
        list.push_back(std::move(entry));
}

// A check box's and a radio button's lists begin alike; `rest` follows.
platform::PropertyList ToggleEntries(std::string caption, bool enabled, platform::PropertyList rest)
{
    platform::PropertyList list{
        {"TabStop", true},
        {"Caption", std::move(caption)},
        {"Enabled", enabled},
        {"Visible", true},
        {"HelpTag", std::string()},
        {"AutoDeactivate", true},
        {"TextFont", std::string("Osaka")},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
    };
    AppendAll(list, std::move(rest));
    return list;
}

} // namespace

platform::PropertyList WindowList(WindowLook look)
{
    return {
        {"Placement", look.placement},
        {"Width", look.width},
        {"Height", look.height},
        {"MinWidth", int32_t{64}},
        {"MinHeight", int32_t{64}},
        {"MaxWidth", int32_t{32000}},
        {"MaxHeight", int32_t{32000}},
        {"Frame", int32_t{7}},
        {"Composite", true},
        {"HasBackColor", look.hasBackColor},
        {"BackColor", platform::RGB(255, 255, 255)},
        {"Title", std::move(look.title)},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", look.maximizeButton},
        {"MinimizeButton", true},
        {"FullScreenButton", false},
        {"MacProcID", int32_t{0}},
    };
}

platform::PropertyList ControlList(const ControlPlace &place, platform::PropertyList kindEntries)
{
    platform::PropertyList list{
        {"Name", std::string(place.name)},
        {"Index", place.index},
        {"Left", place.frame.left},
        {"Top", place.frame.top},
        {"Width", place.frame.width},
        {"Height", place.frame.height},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", int32_t{0}},
        {"TabIndex", place.tabIndex},
    };
    AppendAll(list, std::move(kindEntries));
    return list;
}

platform::PropertyList LabelList(const ControlPlace &place, LabelLook look)
{
    return ControlList(place, {
                                  {"Text", std::move(look.text)},
                                  {"TextAlign", look.align},
                                  {"TextColor", look.color},
                                  {"Multiline", false},
                                  {"Enabled", true},
                                  {"Visible", look.visible},
                                  {"Selectable", false},
                                  {"Transparent", look.transparent},
                                  {"HelpTag", std::string()},
                                  {"AutoDeactivate", true},
                                  {"TextFont", std::string("Osaka")},
                                  {"Bold", look.bold},
                                  {"Italic", false},
                                  {"Underline", false},
                                  {"DataSource", std::string()},
                                  {"DataField", std::string()},
                                  {"InitialParent", std::move(look.parent)},
                              });
}

platform::PropertyList SliderList(const ControlPlace &place)
{
    return ControlList(place, {
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
}

platform::PropertyList PushButtonList(const ControlPlace &place, std::string caption, bool isDefault)
{
    return ControlList(place, {
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
}

platform::PropertyList CheckBoxList(const ControlPlace &place, std::string caption)
{
    return ControlList(place, ToggleEntries(std::move(caption), true,
                                            {
                                                {"State", int32_t{0}},
                                                {"Value", false},
                                                {"DataSource", std::string()},
                                                {"DataField", std::string()},
                                                {"InitialParent", std::string()},
                                            }));
}

platform::PropertyList RadioButtonList(const ControlPlace &place, std::string caption, bool enabled, bool value)
{
    return ControlList(place, ToggleEntries(std::move(caption), enabled,
                                            {
                                                {"Value", value},
                                                {"InitialParent", std::string()},
                                            }));
}

platform::PropertyList ModeButtonList(int32_t mode, const ModeButtonPlace &place)
{
    return RadioButtonList({"RadioButton1", mode, place.frame, place.tabIndex},
                           kModeCaptions.at(static_cast<size_t>(mode)), false, mode == 0);
}

platform::Slider &AddSlider(platform::Window &window, Frame frame, int32_t tabIndex)
{
    platform::Slider &slider = AddControl(window, std::make_unique<platform::Slider>(window), "Slider1");
    slider._SetProperties(SliderList({"Slider1", platform::kNoIndex, frame, tabIndex}));
    return slider;
}

platform::CheckBox &AddCheckBox(platform::Window &window, float textSize, Frame frame, int32_t tabIndex)
{
    return AddTextControl(window, std::make_unique<platform::CheckBox>(window), "CheckBox1", textSize,
                          CheckBoxList({"CheckBox1", platform::kNoIndex, frame, tabIndex}, "Dockアイコン"));
}

platform::PushButton &AddPushButton(platform::Window &window, const char *name, float textSize, Frame frame,
                                    int32_t tabIndex, std::string caption, bool isDefault)
{
    return AddTextControl(window, std::make_unique<platform::PushButton>(window), name, textSize,
                          PushButtonList({name, platform::kNoIndex, frame, tabIndex}, std::move(caption), isDefault));
}

} // namespace tovy
