#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

class DockItem;
class MenuBar;

// The application object: one per process, registered with Register().
//
// Menu dispatch for a chosen item: the front window's handler for the item
// first; when it has none or returns false, the application's. A quit item
// is offered to every open window that has a handler for it, so Quit
// reaches the calendar window from any window. Where the platform shows menu
// bars outside the windows (macOS, or a Linux desktop that exports one) the
// bar is shown there; otherwise it opens from a right-click on any window of
// the program. Either way the shortcuts work in every window.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    static Application *Current();
    // Current(), or the framework's nil-object error when none is registered.
    static Application &Running();
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

} // namespace platform
