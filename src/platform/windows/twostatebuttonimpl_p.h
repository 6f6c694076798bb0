#pragma once

// Inside the platform layer only: the value and Action handler of a check box
// or radio button.

#include "platform/windows/captionedcontrolimpl_p.h"

#include <functional>
#include <utility>

namespace platform {

class TwoStateButtonImpl : public CaptionedControlImpl {
public:
    using CaptionedControlImpl::CaptionedControlImpl;

    // The handler gets the control itself, as its own kind.
    template <class Button>
    void SetAction(std::function<void(Button &)> handler)
    {
        if (!handler) {
            onAction = nullptr;
            return;
        }
        onAction = [this, handler = std::move(handler)] { handler(static_cast<Button &>(*control)); };
    }

    void RunAction()
    {
        if (onAction)
            onAction();
    }

    // A value set from code that differs from `value`; `runHandlers` is false
    // while a property list is applied.
    virtual void ChangeValue(bool on, bool runHandlers) = 0;

    bool value = false;
    std::function<void()> onAction;
};

} // namespace platform
