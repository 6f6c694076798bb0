#pragma once

// Inside the platform layer only: the one-handler-at-a-time bookkeeping.

#include <functional>

namespace platform::detail {

// Counts a handler as running while it lives. When the outermost one ends,
// the work that waited for it (timer ticks, closed windows, a quit) is done
// from the event loop.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;
};

bool InHandler();

// An exception has left a handler: the program is on its way to its end.
bool UnhandledExceptionRecorded();

// Calls a handler from code (a value set, Close called): an exception goes
// on to the caller, up to the handler that the event loop started.
void CallHandler(const std::function<void()> &handler);

// Runs `work` from the event loop once no handler is running.
void WhenIdle(std::function<void()> work);

// Application::Quit: the loop ends once the running handler returns.
void RequestQuit(int status);
bool QuitPending(); // Quit was asked for

} // namespace platform::detail
