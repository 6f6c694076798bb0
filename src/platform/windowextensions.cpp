#include "windowextensions.h"

#include "windowimpl.h"

namespace platform::WindowExtensions {

void Opacity(Window &window, float value)
{
    // Passed on unchanged; Qt keeps it within 0 to 1.
    window.Impl().frame->setWindowOpacity(static_cast<double>(value));
}

} // namespace platform::WindowExtensions
