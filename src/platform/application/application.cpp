#include "platform/application/application.h"

#include "platform/application/exceptions.h"
#include "platform/application/handlerscope_p.h"
#include "platform/application/lasting.h"
#include "platform/application/menupresenter_p.h"

#include <map>
#include <memory>
#include <utility>

namespace platform {

namespace {

Application *g_current = nullptr;

struct ApplicationState {
    platform::MenuBar *menuBar = nullptr;
    std::map<std::string, std::function<bool()>> menuHandlers;
    // Goes with the application, while Qt is still there for its icon.
    std::shared_ptr<platform::DockItem> dockItem;
};

std::map<const Application *, ApplicationState> &States()
{
    static Lasting<std::map<const Application *, ApplicationState>> states;
    return *states;
}

} // namespace

Application::Application() { States()[this]; }

Application::~Application()
{
    States().erase(this);
    if (g_current == this)
        g_current = nullptr;
}

Application *Application::Current() { return g_current; }

Application &Application::Running()
{
    if (g_current == nullptr)
        throw NilObjectException("no application object");
    return *g_current;
}

void Application::Register()
{
    g_current = this;
    detail::MenusChanged();
}

MenuBar *Application::MenuBar() const { return States()[this].menuBar; }

void Application::SetMenuBar(platform::MenuBar *bar)
{
    States()[this].menuBar = bar;
    if (g_current == this)
        detail::MenusChanged();
}

void Application::_AddMenuHandler(std::string itemName, std::function<bool()> handler)
{
    States()[this].menuHandlers[std::move(itemName)] = std::move(handler);
}

void Application::Quit(int32_t status) { detail::RequestQuit(status); }

namespace detail {

std::shared_ptr<DockItem> &DockItemSlot(const Application &app) { return States()[&app].dockItem; }

// The application's handler for an item, or none.
const std::function<bool()> *ApplicationMenuHandler(std::string_view name)
{
    if (!g_current)
        return nullptr;
    auto &handlers = States()[g_current].menuHandlers;
    auto found = handlers.find(std::string(name));
    return found == handlers.end() ? nullptr : &found->second;
}

} // namespace detail

} // namespace platform
