#pragma once

#include "platform/windows/twostatebutton.h"

#include <functional>

namespace platform {

// Caption, text style and Value come from CaptionedControl and TwoStateButton.
// Setting Value from code runs the Action handler before SetValue returns,
// exactly as a user's click does, but only when the value changes: setting
// the value the box already has runs nothing.
class CheckBox : public TwoStateButton {
public:
    explicit CheckBox(Window &owner, int32_t index = kNoIndex);
    ~CheckBox() override;

    void OnAction(std::function<void(CheckBox &)> handler);
};

} // namespace platform
