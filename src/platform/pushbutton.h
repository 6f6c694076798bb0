#pragma once

#include "control.h"

#include <functional>
#include <string>

namespace platform {

class PushButton : public Control {
public:
    explicit PushButton(Window &owner, int32_t index = kNoIndex);
    ~PushButton() override;

    const std::string &Caption() const;
    void SetCaption(std::string caption);
    bool Default() const; // the window's default button (Return presses it)
    void SetDefault(bool isDefault);
    void SetTextSize(float pixels);
    void SetTextUnit(int32_t unit);

    void OnAction(std::function<void(PushButton &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
