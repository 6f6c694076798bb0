#pragma once

// Inside the platform layer only.

#include "platform/windows/propertylist.h"

#include <string_view>
#include <variant>

namespace platform::detail {

// Passes the property's value to `set` when it is named `name` and holds a
// `Value`; true when it took the property.
template <class Value, class Set>
bool TakeProperty(const Property &property, std::string_view name, Set &&set)
{
    const Value *value = std::get_if<Value>(&property.value);
    if (property.name != name || !value)
        return false;
    set(*value);
    return true;
}

} // namespace platform::detail
