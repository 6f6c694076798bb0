#pragma once

#include <memory>

namespace tovy {

class App;

// The start-up steps carry their design names without the leading
// underscore (_Main is Main, _LateStartup is LateStartup): they are plain
// functions of the program, not members generated for a framework.
// _EarlyStartup is the part of Main that runs the next two, _InitFileTypes
// declares nothing and has no function, and _MakeDefaultView is
// LateStartup's one line.

// The program from the run-time's start to its exit status.
int Main(int argc, char **argv);

// The steps of start-up, also used by tests that build the program's frame
// without running its event loop.
// A new App, given the menu bar and registered as the application object.
std::unique_ptr<App> NewAppInstance();
// Binds the application's own handler of the Preferences item.
void ApplicationAddMenuHandlers(App &app);
// Makes and so opens the calendar window, the only window at start-up.
void LateStartup();

} // namespace tovy
