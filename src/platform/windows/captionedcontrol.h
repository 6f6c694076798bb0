#pragma once

#include "platform/windows/control.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class CaptionedControlImpl;

// A control that shows a caption in a font of its own: the buttons and boxes.
// Takes the properties Caption, TextFont, Bold, Italic and Underline.
class CaptionedControl : public Control {
public:
    const std::string &Caption() const;
    void SetCaption(std::string caption);
    void SetTextSize(float pixels);
    void SetTextUnit(int32_t unit); // only 0 (pixels) is known

protected:
    CaptionedControl(int32_t index, std::unique_ptr<CaptionedControlImpl> impl);

    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
