#pragma once

#include "control.h"

#include <string>

namespace platform {

// A flat header strip with a caption; it has no action.
class BevelButton : public Control {
public:
    explicit BevelButton(Window &owner, int32_t index = kNoIndex);
    ~BevelButton() override;

    const std::string &Caption() const;
    void SetCaption(std::string caption);
    void SetTextSize(float pixels);
    void SetTextUnit(int32_t unit);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
