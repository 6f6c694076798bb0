#pragma once

// Inside the platform layer only: the application's menu bar on screen and
// the dispatch of a chosen item.

#include <string>
#include <string_view>

class QPoint;

namespace platform {

class MenuItem;
class Window;

namespace detail {

// Raises the application's EnableMenuItems event. False when an exception
// has left a handler (this one or an earlier one): the program is on its
// way to its end, and no menu opens and no item's handler starts.
bool EnableMenuItems();
// Whether the item is enabled now (AutoEnable: it has a handler).
bool ItemEnabled(const MenuItem &item);
// The dispatch of a chosen item; true when a handler took it.
bool DispatchMenuItem(std::string_view name);

// The menus open from a right-click on the window: it has no global bar.
bool MenusAsContextMenu(const Window &window);
void OpenContextMenu(Window &window, const QPoint &globalPos);

// Each window's global bar, where the platform shows one, and the keys it
// answers follow the application's menu bar.
void MenusChanged();
void InstallMenus(Window &window);

// The front window: the active one, else the latest opened or activated.
Window *FrontWindow();
void WindowActivated(Window &window);
void WindowClosed(Window &window);

} // namespace detail
} // namespace platform
