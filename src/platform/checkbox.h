#pragma once

#include "control.h"

#include <functional>
#include <string>

namespace platform {

// Setting Value from code runs the Action handler before SetValue returns,
// exactly as a user's click does, but only when the value changes: setting
// the value the box already has runs nothing.
class CheckBox : public Control {
public:
    explicit CheckBox(Window &owner, int32_t index = kNoIndex);
    ~CheckBox() override;

    const std::string &Caption() const;
    void SetCaption(std::string caption);
    bool Value() const;
    void SetValue(bool value);
    void SetTextSize(float pixels);
    void SetTextUnit(int32_t unit);

    void OnAction(std::function<void(CheckBox &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
