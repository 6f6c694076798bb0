#pragma once

#include "platform/windows/captionedcontrol.h"

#include <cstdint>
#include <memory>

namespace platform {

class TwoStateButtonImpl;

// A captioned control that is on or off: its Value. Setting from code a
// value it does not have yet runs the kind's Action handlers before
// SetValue returns; setting the value it has runs nothing, and a property
// list (property "Value") runs no handler.
class TwoStateButton : public CaptionedControl {
public:
    bool Value() const;
    void SetValue(bool value);

protected:
    TwoStateButton(int32_t index, std::unique_ptr<TwoStateButtonImpl> impl);

    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
