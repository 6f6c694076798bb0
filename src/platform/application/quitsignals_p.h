#pragma once

// Inside the platform layer only: the termination signals end the program
// the way its quit-kind menu item does.

#include <memory>

namespace platform::detail {

// While it lives, SIGTERM, SIGHUP and SIGINT each count as the user
// choosing the quit item: from the event loop, once no handler runs, the
// item goes to every window with a handler for it (which saves and quits);
// without one the program quits with status 0. A modal dialog open at that
// moment is cancelled, so that its handler can end. Further signals join
// the quit already under way. A signal that was ignored at start (nohup)
// stays ignored.
class QuitSignals {
public:
    QuitSignals();
    ~QuitSignals(); // the signals' earlier handling comes back
    QuitSignals(const QuitSignals &) = delete;
    QuitSignals &operator=(const QuitSignals &) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform::detail
