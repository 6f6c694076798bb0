#pragma once

#include <functional>
#include <memory>

namespace platform {

// The framework's run-time: made first in main, destroyed last. It owns the
// toolkit's application object. The toolkit is given only the program's
// name: the program takes no command-line arguments, the toolkit's own
// options (-platform, -display, -qwindowgeometry ...) included. The
// platform stays open to choice through QT_QPA_PLATFORM.
//
// While it lives, SIGTERM, SIGHUP and SIGINT quit the program as its Quit
// item does. When it ends, it destroys the windows left open and every
// process-wide value (see Lasting), then the toolkit. A program that ends
// through exit() instead (the toolkit's answer to a lost display) never
// runs this destructor, and nothing of the toolkit is destroyed.
class Runtime {
public:
    Runtime(int argc, char **argv);
    ~Runtime();
    Runtime(const Runtime &) = delete;
    Runtime &operator=(const Runtime &) = delete;

    // Calls lateStartup, then runs the event loop until Quit. An exception
    // that leaves any handler (or lateStartup) is written as one line on
    // standard error and ends the loop; Run then gives a non-zero status.
    int Run(const std::function<void()> &lateStartup);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Runs a handler the way the event loop does: an escaping exception is
// reported and ends the program. Returns false when it threw.
bool RunHandler(const char *what, const std::function<void()> &handler);

} // namespace platform
