#pragma once

// Inside the platform layer only: the open windows.

#include <vector>

namespace platform {

class Window;

namespace detail {

// The open windows in the order they were opened (closed ones excluded).
std::vector<Window *> OpenWindows();
bool IsOpen(const Window *window);

} // namespace detail
} // namespace platform
