#pragma once

#include "control.h"

#include <functional>
#include <string>

namespace platform {

// The radio buttons registered under one name in one window (a control
// array) form one group: selecting one deselects the others.
//
// Setting Value from code runs Action handlers before SetValue returns, and
// only for buttons whose value changes: selecting a button runs the newly
// selected button's handler first, then the handler of the button it
// deselected. Selecting the already selected button runs nothing.
class RadioButton : public Control {
public:
    explicit RadioButton(Window &owner, int32_t index = kNoIndex);
    ~RadioButton() override;

    const std::string &Caption() const;
    void SetCaption(std::string caption);
    bool Value() const;
    void SetValue(bool value);
    void SetTextSize(float pixels);
    void SetTextUnit(int32_t unit);

    void OnAction(std::function<void(RadioButton &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
