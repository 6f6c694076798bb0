#pragma once

#include "platform/windows/control.h"

#include <functional>

namespace platform {

// A horizontal slider. A value outside Minimum..Maximum is brought to the
// nearer end. Setting Value from code runs ValueChanged before SetValue
// returns, only when the (bounded) value changes.
class Slider : public Control {
public:
    explicit Slider(Window &owner, int32_t index = kNoIndex);
    ~Slider() override;

    int32_t Minimum() const;
    void SetMinimum(int32_t minimum);
    int32_t Maximum() const;
    void SetMaximum(int32_t maximum);
    int32_t Value() const;
    void SetValue(int32_t value);
    int32_t LineStep() const;
    void SetLineStep(int32_t step);
    int32_t PageStep() const;
    void SetPageStep(int32_t step);

    void OnValueChanged(std::function<void(Slider &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
