#pragma once

#include "platform/application/menuitem.h"

namespace platform {

// The item that quits the program: it is offered to every open window that
// has a handler for it, and on macOS it goes to the application menu.
class QuitMenuItem : public MenuItem {
public:
    bool IsQuitItem() const override { return true; }
};

} // namespace platform
