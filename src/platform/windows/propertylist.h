#pragma once

#include "platform/drawing/color.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// One design value of a window or control, applied with the others in one
// step right after the object is made. Names the object does not know (the
// original's LockLeft, TabIndex, DataSource ...) are accepted and ignored.
struct Property {
    std::string name;
    std::variant<bool, int32_t, std::string, Color> value;
};

using PropertyList = std::vector<Property>;

} // namespace platform
