#pragma once

// One run of the program for a test: a temporary settings folder, the clock
// at 10 December 2026, one 1440 by 900 screen, the application with its
// menus, and the calendar window opened on demand.

#include "app/app.h"
#include "app/mainmenubar.h"
#include "platform/application.h"
#include "platform/testing.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace settingstest {

class SettingsWorld {
public:
    SettingsWorld()
    {
        static int argc = 1;
        static char name[] = "tovy-test";
        static char *argv[] = {name, nullptr};
        static platform::Runtime runtime(argc, argv);
        static std::unique_ptr<tovy::App> app = [] {
            auto made = std::make_unique<tovy::App>();
            made->SetMenuBar(&tovy::MainMenuBar::Instance());
            made->Register();
            return made;
        }();
        platform::testing::SetConfigFolder(folder_.path().toStdString());
        platform::testing::SetNow(2026, 12, 10);
        platform::testing::SetScreens({{0, 0, 1440, 900}});
        restart();
    }

    ~SettingsWorld()
    {
        restart();
        platform::testing::ResetConfigFolder();
        platform::testing::ResetNow();
        platform::testing::ResetScreens();
        platform::testing::SetColorChoice(nullptr);
    }

    SettingsWorld(const SettingsWorld &) = delete;
    SettingsWorld &operator=(const SettingsWorld &) = delete;

    QString folder() const { return folder_.path(); }

    tovy::Window1 &openWindow() { return tovy::Window1::Instance(); }

    // The process ends and starts again: no window, settings values zero.
    void restart()
    {
        platform::testing::DestroyAllWindows();
        platform::testing::ClearQuitRequest();
        tovy::Module1::Trans = 0;
        tovy::Module1::My_Col = {};
        tovy::Module1::Flag_Start = false;
        tovy::Module1::MyDock = 0;
        tovy::Module1::Flag_Radio = false;
    }

private:
    QTemporaryDir folder_;
};

} // namespace settingstest
