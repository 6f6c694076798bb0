#pragma once

#include "platform/windows/control.h"

#include <functional>

namespace platform {

// A timer of a window; it has no place on screen. Mode 2 repeats every
// Period milliseconds (0 off, 1 once). It never fires inside another handler
// (nor inside a modal loop such as the colour picker) and not before its
// window's Open has ended.
class Timer : public Control {
public:
    explicit Timer(Window &owner, int32_t index = kNoIndex);
    ~Timer() override;

    int32_t Mode() const;
    void SetMode(int32_t mode);
    int32_t Period() const;
    void SetPeriod(int32_t milliseconds);

    void OnAction(std::function<void(Timer &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
