#pragma once

// Inside the platform layer only: what every control with a caption holds.

#include "platform/windows/controlimpl_p.h"
#include "platform/windows/textstyle_p.h"

#include <string>

namespace platform {

class CaptionedControlImpl : public ControlImpl {
public:
    // Gives `widget` the default text style.
    CaptionedControlImpl(Window &owner, QWidget *widget);

    // Shows `caption`: as the text of a Qt button, unless the kind draws its own.
    virtual void ShowCaption();

    std::string caption;
    detail::TextStyle style;
};

} // namespace platform
