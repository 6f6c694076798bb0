#pragma once

// The calendar program for a test, built the way start-up builds it but
// without its event loop:
//
//     tovy::testing::TovyTestApp app;          // 10 December 2026, 12:00
//     QVERIFY(app.WriteSettings({"40", ...})); // optional: a "Tovy prefs"
//     tovy::Window1 &w = app.Open();           // Event_Open has run
//
// The constructor gives the program a fixed clock, one 1440 by 900 screen
// and an empty temporary settings folder, then makes the application object
// with its menu bar and registers it (and its Preferences handler) exactly
// as start-up does. Open() makes the calendar window through its accessor.
// The destructor destroys every window without close events, releases the
// menu bar and puts the clock, the screens, the settings folder, the quit
// request and the Module1 values back, so tests do not see each other.
// Use one per test function (a local or a member made in init()).

#include "app/app.h"
#include "app/mainmenubar.h"
#include "app/startup.h"
#include "platform/application/testing.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tovy::testing {

class TovyTestApp {
public:
    static constexpr int kScreenWidth = 1440;
    static constexpr int kScreenHeight = 900;

    explicit TovyTestApp(int year = 2026, int month = 12, int day = 10, int hour = 12)
    {
        ResetSettingsValues();
        platform::testing::SetNow(year, month, day, hour);
        platform::testing::SetScreens({platform::ScreenInfo{0, 0, kScreenWidth, kScreenHeight}});
        platform::testing::SetConfigFolder(folder_.path().toStdString());
        platform::testing::ClearQuitRequest();
        app_ = NewAppInstance();
        ApplicationAddMenuHandlers(*app_);
    }

    ~TovyTestApp()
    {
        platform::testing::DestroyAllWindows();
        app_->SetMenuBar(nullptr);
        MainMenuBar::Release();
        app_.reset();
        platform::testing::ClearQuitRequest();
        platform::testing::ResetConfigFolder();
        platform::testing::ResetScreens();
        platform::testing::ResetNow();
        ResetSettingsValues();
    }

    TovyTestApp(const TovyTestApp &) = delete;
    TovyTestApp &operator=(const TovyTestApp &) = delete;

    // Makes and opens the calendar window (start-up's late step).
    Window1 &Open()
    {
        LateStartup();
        return Window1::Instance();
    }

    App &app() const { return *app_; }

    // The settings file the program reads and writes.
    QString SettingsPath() const { return QDir(folder_.path()).filePath(QStringLiteral("Tovy prefs")); }

    // Writes the settings file, one line each, each ended by a line feed;
    // false when it could not be written, so that a caller can stop:
    // QVERIFY(app.WriteSettings(...)).
    bool WriteSettings(const QStringList &lines) const
    {
        QFile file(SettingsPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        for (const QString &line : lines) {
            if (file.write(line.toUtf8() + '\n') < 0)
                return false;
        }
        return file.flush();
    }

    // The settings file's lines, or none when it does not exist.
    QStringList ReadSettings() const
    {
        QFile file(SettingsPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString text = QString::fromUtf8(file.readAll());
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text.split(u'\n');
    }

    static void ResetSettingsValues()
    {
        Module1::Trans = 0;
        Module1::My_Col = platform::Color{};
        Module1::Flag_Start = false;
        Module1::MyDock = 0;
        Module1::Flag_Radio = false;
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<App> app_;
};

} // namespace tovy::testing
