#pragma once

#include "platform/application/menuitem.h"

namespace platform {

// The application's menu bar: its items are the menus, theirs the menu
// items (Application::SetMenuBar).
class MenuBar : public MenuItem {};

} // namespace platform
