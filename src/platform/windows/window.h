#pragma once

#include "platform/drawing/color.h"
#include "platform/windows/propertylist.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class Control;
class WindowImpl;

// A top-level window: a small titled frame with close and minimise buttons
// that the user cannot resize (property "MaximizeButton" adds a maximise
// button). Left, Top, Width and Height are the content area in screen
// pixels; they apply at once and read back, below any minimum size too.
//
// Construction order (OpenWindow): register under the class name, Layout,
// CreateControls, AddMenuHandlers, show when "Visible", the controls' Open
// events, Event_Open; the window is painted only after Event_Open.
//
// The close box runs Event_CancelClose(false); unless that returns true,
// Event_Close runs and the window is destroyed once the handler has ended.
//
// Mouse events arrive in window coordinates. Event_MouseDown gets every
// press that no control takes (labels, disabled controls, canvases that
// refuse); when it returns true the window also gets that press's MouseUp.
// A right-click that opens the menu is no mouse-down.
class Window {
public:
    explicit Window(std::string className);
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    const std::string &ClassName() const;

    int32_t Left() const;
    int32_t Top() const;
    int32_t Width() const;
    int32_t Height() const;
    void SetLeft(int32_t left);
    void SetTop(int32_t top);
    void SetWidth(int32_t width);
    void SetHeight(int32_t height);

    const std::string &Title() const;
    void SetTitle(std::string title);
    Color BackColor() const;
    void SetBackColor(Color color);
    bool HasBackColor() const;

    bool Visible() const;
    void Show();
    void Hide();
    void Close(); // as the close box: CancelClose, Close, destroyed

    void *Handle() const; // the native window

    // Inside Event_MouseDown: a press that would make a double-click with
    // this one (within the system's interval and distance) reaches no
    // handler, and nor does its release. For a press that changed the
    // window under the pointer.
    void IgnoreDoubleClickOfThisPress();

    void _SetProperties(const PropertyList &properties);

    // Takes ownership of the control and registers it under the name.
    Control &_AddControl(std::unique_ptr<Control> control, std::string name);
    // The first control registered under the name (and index); none when missing.
    Control *_ControlByName(std::string_view name) const;
    Control *_ControlByNameIndex(std::string_view name, int32_t index) const;

    template <class T>
    T *ControlAs(std::string_view name) const
    {
        return dynamic_cast<T *>(_ControlByName(name));
    }
    template <class T>
    T *ControlAs(std::string_view name, int32_t index) const
    {
        return dynamic_cast<T *>(_ControlByNameIndex(name, index));
    }

    // A menu handler of this window for the item of that name.
    void _AddMenuHandler(std::string itemName, std::function<bool()> handler);

    // Window events; a subclass overrides those it handles.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    virtual bool Event_CancelClose(bool appQuitting);
    virtual void Event_Close() {}
    virtual bool Event_MouseDown(int32_t x, int32_t y);
    virtual void Event_MouseUp(int32_t x, int32_t y);
    virtual void Event_MouseMove(int32_t x, int32_t y);
    virtual void Event_MouseEnter() {}
    virtual void Event_MouseExit() {}

    WindowImpl &Impl() const { return *impl_; }

private:
    std::unique_ptr<WindowImpl> impl_;
};

// The implicit instances: at most one open window per class name.
Window *FindWindow(std::string_view className);
// Registers the window (so FindWindow finds it during its own Open), builds
// and opens it; the layer owns it until it is closed.
Window &OpenWindow(std::unique_ptr<Window> window);

template <class W>
W &ImplicitInstance(std::string_view className)
{
    if (Window *open = FindWindow(className))
        return static_cast<W &>(*open);
    return static_cast<W &>(OpenWindow(std::make_unique<W>()));
}

} // namespace platform
