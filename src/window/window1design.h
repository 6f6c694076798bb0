#pragma once

#include "platform/windows/propertylist.h"

namespace tovy {

// The design of element 0 of the day-cell array: the template cell and,
// through it, every day cell the grid makes.
inline constexpr float kDayCellTextSize = 9.0f;
platform::PropertyList StaticText1Design();

} // namespace tovy
