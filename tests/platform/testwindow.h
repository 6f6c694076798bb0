#pragma once

#include "platform/windows/control.h"
#include "platform/windows/window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A window whose events are whatever the test gives it, each logged by name.
class TestWindow : public platform::Window {
public:
    explicit TestWindow(std::string className = "TestWindow") : Window(std::move(className)) {}
    ~TestWindow() override
    {
        if (destroyed)
            *destroyed = true;
    }

    std::function<void(TestWindow &)> layout;
    std::function<void(TestWindow &)> create;
    std::function<void(TestWindow &)> open;
    std::function<bool(int32_t, int32_t)> mouseDown;
    std::function<void(int32_t, int32_t)> mouseUp;
    std::function<void(int32_t, int32_t)> mouseMove;
    std::function<bool()> cancelClose;
    std::function<void()> close;
    std::vector<std::string> log;
    // Shared, so that a window that outlives the test sets a flag still alive.
    std::shared_ptr<bool> destroyed;

    void Layout() override
    {
        if (layout)
            layout(*this);
    }
    void CreateControls() override
    {
        if (create)
            create(*this);
    }
    void Event_Open() override
    {
        log.push_back("Open");
        if (open)
            open(*this);
    }
    bool Event_CancelClose(bool) override
    {
        log.push_back("CancelClose");
        return cancelClose && cancelClose();
    }
    void Event_Close() override
    {
        log.push_back("Close");
        if (close)
            close();
    }
    bool Event_MouseDown(int32_t x, int32_t y) override
    {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return mouseDown && mouseDown(x, y);
    }
    void Event_MouseUp(int32_t x, int32_t y) override
    {
        log.push_back("MouseUp " + std::to_string(x) + "," + std::to_string(y));
        if (mouseUp)
            mouseUp(x, y);
    }
    void Event_MouseMove(int32_t x, int32_t y) override
    {
        log.push_back("MouseMove " + std::to_string(x) + "," + std::to_string(y));
        if (mouseMove)
            mouseMove(x, y);
    }
    void Event_MouseEnter() override { log.push_back("MouseEnter"); }
    void Event_MouseExit() override { log.push_back("MouseExit"); }
};

// Opens a window that `setup` prepared; the layer owns it from then on.
inline TestWindow &OpenTestWindow(const std::function<void(TestWindow &)> &setup,
                                  std::string className = "TestWindow")
{
    auto window = std::make_unique<TestWindow>(std::move(className));
    setup(*window);
    auto &opened = static_cast<TestWindow &>(platform::OpenWindow(std::move(window)));
    opened.log.clear(); // the tests look at what follows the opening
    return opened;
}

// Makes a control of kind T on the window under a name, with a property list.
template <class T>
T &AddControl(platform::Window &window, const std::string &name, platform::PropertyList properties,
              int32_t index = platform::kNoIndex)
{
    auto &control = static_cast<T &>(window._AddControl(std::make_unique<T>(window, index), name));
    control._SetProperties(properties);
    return control;
}

inline platform::PropertyList Place(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
}

inline platform::PropertyList operator+(platform::PropertyList a, const platform::PropertyList &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
