#pragma once

#include "platform/windows/window.h"

namespace platform::WindowExtensions {

// The window's opacity, 0 fully transparent to 1 opaque, passed on unchanged.
void Opacity(Window &window, float value);

} // namespace platform::WindowExtensions
