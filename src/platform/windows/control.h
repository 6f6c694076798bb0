#pragma once

#include "platform/windows/propertylist.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace platform {

class Window;
class ControlImpl;

// Index of a control that is no element of a control array.
inline constexpr int32_t kNoIndex = std::numeric_limits<int32_t>::min();

// Base of every control. A control is made with its owning window, then
// registered on it under a name (Window::_AddControl), which also gives the
// window its ownership. Positions are in the window's coordinates, also for a
// control that lies inside another one (property "InitialParent").
class Control {
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const std::string &Name() const;
    int32_t Index() const;
    Window &Owner() const;

    int32_t Left() const;
    int32_t Top() const;
    int32_t Width() const;
    int32_t Height() const;
    void SetLeft(int32_t left);
    void SetTop(int32_t top);
    void SetWidth(int32_t width);
    void SetHeight(int32_t height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    const std::string &HelpTag() const; // the tooltip; empty is none
    void SetHelpTag(std::string tag);

    // Applies a property list in one step; runs no handler.
    void _SetProperties(const PropertyList &properties);

    ControlImpl &Impl() const { return *impl_; }

protected:
    Control(int32_t index, std::unique_ptr<ControlImpl> impl);

    // A subclass takes the properties of its own kind and returns true;
    // unknown names return false and are ignored.
    virtual bool ApplyProperty(const Property &property);

private:
    friend class Window;
    std::unique_ptr<ControlImpl> impl_;
};

} // namespace platform
