#pragma once

#include <functional>

namespace platform {

// The framework's run-time: made first in main, destroyed last.
class Runtime {
public:
    Runtime(int &argc, char **argv);
    ~Runtime();
    Runtime(const Runtime &) = delete;
    Runtime &operator=(const Runtime &) = delete;

    // Calls lateStartup, then runs the event loop until Quit. An exception
    // that leaves any handler (or lateStartup) is written as one line on
    // standard error and ends the loop; Run then gives a non-zero status.
    int Run(const std::function<void()> &lateStartup);
};

// Runs a handler the way the event loop does: an escaping exception is
// reported and ends the program. Returns false when it threw.
bool RunHandler(const char *what, const std::function<void()> &handler);

} // namespace platform
