#pragma once

#include "platform/windows/captionedcontrol.h"

namespace platform {

// A flat header strip with a caption; it has no action. Caption and text
// style come from CaptionedControl.
class BevelButton : public CaptionedControl {
public:
    explicit BevelButton(Window &owner, int32_t index = kNoIndex);
    ~BevelButton() override;
};

} // namespace platform
