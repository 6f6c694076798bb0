#include "platform/application/application.h"

#include "platform/drawing/dockitem.h"

#include <memory>

namespace platform {

namespace detail {
std::shared_ptr<DockItem> &DockItemSlot(const Application &app);
}

// Kept apart so that programs and tests that never touch the icon link
// without the picture code; shared_ptr keeps the DockItem's destructor here.
DockItem &Application::DockItem()
{
    auto &item = detail::DockItemSlot(*this);
    if (!item)
        item = std::make_shared<platform::DockItem>();
    return *item;
}

} // namespace platform
