// The application object: it keeps the Preferences item visible and opens
// the settings window from it.

#include "app/app.h"

#include "platform/application/exceptions.h"
#include "platform/application/menubar.h"
#include "platform/application/menuitem.h"
#include "settings/window2.h"

namespace tovy {

App::App() = default;

App &App::Instance()
{
    auto *app = dynamic_cast<App *>(platform::Application::Current());
    if (app == nullptr)
        throw platform::NilObjectException("no application object");
    return *app;
}

platform::MenuItem *App::My_Pref() const
{
    platform::MenuBar *bar = MenuBar();
    return bar == nullptr ? nullptr : bar->_Lookup("My_Pref");
}

void App::Event_EnableMenuItems()
{
    platform::MenuItem *item = My_Pref();
    if (item == nullptr)
        throw platform::NilObjectException("no menu item My_Pref");
    item->SetVisible(true);
}

bool App::_My_Pref_Action()
{
    Window2::Open_From_Preferences();
    return true;
}

} // namespace tovy
