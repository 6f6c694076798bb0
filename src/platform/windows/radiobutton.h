#pragma once

#include "platform/windows/twostatebutton.h"

#include <functional>

namespace platform {

// Caption, text style and Value come from CaptionedControl and TwoStateButton.
//
// The radio buttons registered under one name in one window (a control
// array) form one group: selecting one deselects the others.
//
// Setting Value from code runs Action handlers before SetValue returns, and
// only for buttons whose value changes: selecting a button runs the newly
// selected button's handler first, then the handler of the button it
// deselected. Selecting the already selected button runs nothing.
class RadioButton : public TwoStateButton {
public:
    explicit RadioButton(Window &owner, int32_t index = kNoIndex);
    ~RadioButton() override;

    void OnAction(std::function<void(RadioButton &)> handler);
};

} // namespace platform
