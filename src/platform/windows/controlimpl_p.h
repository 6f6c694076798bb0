#pragma once

// Inside the platform layer only: what every control holds.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>

namespace platform {

class Control;
class Window;
struct Property;

class ControlImpl {
public:
    // `widget` is made by the kind, as a child of the window's content; none for a timer.
    ControlImpl(Window &owner, QWidget *widget);
    virtual ~ControlImpl();
    ControlImpl(const ControlImpl &) = delete;
    ControlImpl &operator=(const ControlImpl &) = delete;

    Window &owner;
    Control *control = nullptr; // set by Control's constructor
    std::string name;
    int32_t index = 0;
    QPointer<QWidget> widget;
    Qt::FocusPolicy focusPolicy = Qt::NoFocus; // the kind's own, while inside the window
    // The context of every Qt connection to this control: destroyed first,
    // so no signal reaches a control that is gone.
    QObject guard;

    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool visible = true;
    bool enabled = true;
    std::string helpTag;
    bool applyingList = false;

    // Window coordinates to the coordinates of the widget's Qt parent.
    void ApplyGeometry();
    // Whether any of it lies inside its window as the window is now sized.
    bool InsideWindow() const;
    // Keys reach a control only where it can be seen: outside the window it
    // takes no focus. True when it can take focus now and could not before.
    bool UpdateFocusPolicy();
    void SetInitialParent(const std::string &parentName);

    // Called after a property list has been applied in full.
    virtual void ListApplied() {}
    // Called once when the window has opened (Open events).
    virtual void WindowOpened() {}
    // Called once when the window's Open event has ended.
    virtual void OpenEnded() {}
    // Called when the window has been closed and waits to be destroyed.
    virtual void WindowClosed() {}
};

} // namespace platform
