#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class DockItem;
class MenuBar;

// The application object: one per process, registered with Register().
//
// Menu dispatch for a chosen item: the front window's handler for the item
// first; when it has none or returns false, the application's. A quit item
// is offered to every open window that has a handler for it, so Quit
// reaches the calendar window from any window. Where the desktop offers a
// global menu bar (macOS) the bar is shown there; otherwise it opens from a
// right-click on any window of the program, and the shortcuts work in every
// window.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    static Application *Current();
    void Register(); // becomes Current()

    platform::MenuBar *MenuBar() const;
    void SetMenuBar(platform::MenuBar *bar); // not owned

    void _AddMenuHandler(std::string itemName, std::function<bool()> handler);

    // Raised before a menu opens (and before a shortcut is dispatched).
    virtual void Event_EnableMenuItems() {}

    platform::DockItem &DockItem();

    // Ends the event loop once the running handler returns.
    void Quit(int32_t status = 0);
};

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
