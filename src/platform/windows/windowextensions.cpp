#include "platform/windows/windowextensions.h"

#include "platform/windows/windowimpl_p.h"

#include <algorithm>
#include <cmath>

namespace platform::WindowExtensions {

void Opacity(Window &window, float value)
{
    // Passed on unchanged; Qt keeps it within 0 to 1.
    const double opacity = static_cast<double>(value);
    window.Impl().frame->setWindowOpacity(opacity);
    window.Impl().opacity = std::isnan(opacity) ? 1.0 : std::clamp(opacity, 0.0, 1.0);
}

} // namespace platform::WindowExtensions
