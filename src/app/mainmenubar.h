#pragma once

#include "platform/application/menubar.h"

namespace tovy {

// The File and Edit menus.
class MainMenuBar : public platform::MenuBar {
public:
    MainMenuBar();

    // The one instance, built on first use and kept until Release().
    static MainMenuBar &Instance();
    static void Release();

    void Untitled0(); // File
    void Untitled1(); // Edit
};

} // namespace tovy
