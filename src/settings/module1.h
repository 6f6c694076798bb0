#pragma once

#include "platform/drawing/color.h"

#include <cstdint>

// The settings values shared by the calendar window, its panel and the
// settings window; zero or false when the process starts.
namespace tovy::Module1 {

inline int32_t Trans = 0;       // opacity in per cent, 100 opaque
inline platform::Color My_Col{}; // background colour
inline bool Flag_Start = false; // a dock check box's action has run
inline int32_t MyDock = 0;      // dock display mode 0..3
inline bool Flag_Radio = false; // a dock-mode button's action has run

} // namespace tovy::Module1
