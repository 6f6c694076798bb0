#pragma once

#include <stdexcept>

namespace platform {

// Use of an object that is not there. Like any exception that leaves an
// event handler, it is reported on standard error and ends the program with
// a non-zero exit status.
class NilObjectException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
