// Start-up and shut-down: run-time, application object with its menu bar,
// the calendar window, the event loop, and the release of the menu bar.

#include "app/startup.h"

#include "app/app.h"
#include "app/mainmenubar.h"
#include "platform/application/application.h"
#include "platform/application/runtime.h"
#include "window/window1.h"

namespace tovy {

namespace {

// The exit status when start-up itself failed; the failure is reported.
constexpr int kStartupFailed = 1;

} // namespace

std::unique_ptr<App> NewAppInstance()
{
    auto app = std::make_unique<App>();
    app->SetMenuBar(&MainMenuBar::Instance());
    app->Register();
    return app;
}

void ApplicationAddMenuHandlers(App &app)
{
    app._AddMenuHandler("My_Pref", [] { return App::Instance()._My_Pref_Action(); });
}

void LateStartup()
{
    Window1::Instance();
}

int Main(int argc, char **argv)
{
    // The settings values are zero already: they are constant-initialised.
    platform::Runtime runtime(argc, argv);

    std::unique_ptr<App> app;
    int status = kStartupFailed;
    const bool started = platform::RunHandler("start-up", [&] {
        app = NewAppInstance();
        ApplicationAddMenuHandlers(*app);
    });
    if (started)
        status = runtime.Run(LateStartup);

    // The bar goes after the loop; the application must not point at it.
    if (app)
        app->SetMenuBar(nullptr);
    MainMenuBar::Release();
    return status;
}

} // namespace tovy
