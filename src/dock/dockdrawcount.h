#pragma once

#include <cstdint>

namespace tovy {

// How many times the icon picture has been drawn in this process; lets the
// tests tell one drawing from two.
int64_t Dock_Draw_Count();

} // namespace tovy
