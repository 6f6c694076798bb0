#pragma once

// One run of the program for a settings test, on the shared fixture (fixed
// clock, one 1440 by 900 screen, temporary settings folder), with a restart
// that keeps the settings folder.

#include "support/tovytestapp.h"

#include "platform/application/testing.h"
#include "window/window1.h"

#include <QFileInfo>
#include <QString>

namespace settingstest {

class SettingsWorld {
public:
    SettingsWorld() = default;
    ~SettingsWorld() { platform::testing::SetColorChoice(nullptr); }
    SettingsWorld(const SettingsWorld &) = delete;
    SettingsWorld &operator=(const SettingsWorld &) = delete;

    QString folder() const { return QFileInfo(app_.SettingsPath()).path(); }

    tovy::Window1 &openWindow() { return app_.Open(); }

    // The program ends and starts again over the same settings folder: no
    // window, the settings values zero, no quit asked for.
    void restart()
    {
        platform::testing::DestroyAllWindows();
        platform::testing::ClearQuitRequest();
        platform::testing::SetConfigFolder(folder().toStdString());
        tovy::testing::TovyTestApp::ResetSettingsValues();
    }

private:
    tovy::testing::TovyTestApp app_;
};

} // namespace settingstest
