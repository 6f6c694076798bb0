#include "application.h"

#include "dockitem.h"

#include <map>
#include <memory>

namespace platform {

// Kept apart so that programs and tests that never touch the icon link
// without the picture code; shared_ptr keeps the DockItem's destructor here.
DockItem &Application::DockItem()
{
    static std::map<const Application *, std::shared_ptr<platform::DockItem>> items;
    auto &item = items[this];
    if (!item)
        item = std::make_shared<platform::DockItem>();
    return *item;
}

} // namespace platform
