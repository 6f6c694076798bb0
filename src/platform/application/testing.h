#pragma once

// Hooks for tests: the clock, the screens, the settings folder, the colour
// picker's answer, menu choices and access to the Qt widgets underneath.
// The program itself never calls these. Each hook lives beside what it
// sets: date.cpp (the clock), screen.cpp (the screens), folderitem.cpp (the
// settings folder), selectcolor.cpp (the colour picker), menupresenter.cpp
// (menu choices), window.cpp and control.cpp (widgets, windows), runtime.cpp
// (the quit request).

#include "platform/drawing/color.h"
#include "platform/system/screen.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace platform {
class Control;
class Window;
}

namespace platform::testing {

void SetNow(int year, int month, int day, int hour = 12, int minute = 0, int second = 0);
void ResetNow(); // the real clock again

void SetScreens(std::vector<ScreenInfo> screens); // screens[0] is the primary
void ResetScreens();

void SetConfigFolder(std::string path); // where GetFolderItem resolves
void ResetConfigFolder();

// A file to read the program's own icon from instead of the pixels built
// in (empty: those again); the next ResetIcon makes it afresh.
void SetProgramIconFile(std::string path);

// Answers the next colour pickers: a colour confirms, nullopt cancels.
void SetColorChoice(std::function<std::optional<Color>(Color initial, std::string_view prompt)> answer);

// Chooses a menu item as the user would; false when no handler took it.
bool ChooseMenuItem(std::string_view itemName);

// Whether the platform shows menu bars outside the windows: true or false
// pretends it does or does not, nullopt asks Qt again.
void SetGlobalMenuBar(std::optional<bool> available);
// The menu bar (a QMenuBar) that the platform shows for the window, or none.
QWidget *GlobalMenuBarOf(const Window &window);

QWidget *WidgetOf(const Control &control);
QWidget *WidgetOf(const Window &window);
double OpacityOf(const Window &window);

// Destroys every open window at once, without close events.
void DestroyAllWindows();

// The status Quit asked for, or nullopt when nothing asked to quit.
std::optional<int> QuitRequested();
void ClearQuitRequest();

// Forgets that an exception left a handler, which stops the menus for good.
void ClearUnhandledException();

} // namespace platform::testing
