#pragma once

#include "platform/application/exceptions.h"

#include <string>

namespace tovy {

// A control that a window's code relies on, the calendar window's or the
// settings window's: a missing one is the framework's nil-object error, not
// a crash.
template <class T>
T &Required(T *control, const char *name)
{
    if (control == nullptr)
        throw platform::NilObjectException(std::string("missing control ") + name);
    return *control;
}

} // namespace tovy
