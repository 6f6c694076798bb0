#pragma once

#include "platform/windows/captionedcontrol.h"

#include <functional>

namespace platform {

// Caption and text style come from CaptionedControl.
class PushButton : public CaptionedControl {
public:
    explicit PushButton(Window &owner, int32_t index = kNoIndex);
    ~PushButton() override;

    bool Default() const; // the window's default button (Return presses it)
    void SetDefault(bool isDefault);

    void OnAction(std::function<void(PushButton &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
