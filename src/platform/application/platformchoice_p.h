#pragma once

// Inside the platform layer only.

namespace platform::detail {

// Before the QApplication: under Wayland a program cannot place its
// windows, so where X11 (XWayland) is there too it is chosen first, with
// Wayland as the fallback, unless QT_QPA_PLATFORM says otherwise.
void PreferX11();

} // namespace platform::detail
