#pragma once

#include "platform/drawing/color.h"

#include <string_view>

namespace platform {

// Modal colour picker starting at `color`. A confirmed choice is written back
// into `color` and gives true; a cancel leaves it and gives false. Timers wait
// until the handler that called it has ended.
bool SelectColor(Color &color, std::string_view prompt);

} // namespace platform
