#pragma once

#include <cstdint>

namespace platform {

struct ScreenInfo {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

int32_t ScreenCount();

// Screen(0) is the primary screen. An index out of range gives an empty screen.
ScreenInfo Screen(int32_t index);

} // namespace platform
