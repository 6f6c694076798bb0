#include "platform/system/screen.h"

#include "platform/application/testing.h"

#include <QGuiApplication>
#include <QScreen>

#include <optional>
#include <vector>

namespace platform {

namespace {

std::optional<std::vector<ScreenInfo>> &FixedScreens()
{
    static std::optional<std::vector<ScreenInfo>> screens;
    return screens;
}

std::vector<ScreenInfo> Screens()
{
    if (FixedScreens())
        return *FixedScreens();
    std::vector<ScreenInfo> screens;
    if (!QGuiApplication::instance())
        return screens;
    QScreen *primary = QGuiApplication::primaryScreen();
    auto add = [&](const QScreen *screen) {
        const QRect area = screen->geometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    };
    if (primary)
        add(primary);
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != primary)
            add(screen);
    return screens;
}

} // namespace

int32_t ScreenCount() { return static_cast<int32_t>(Screens().size()); }

ScreenInfo Screen(int32_t index)
{
    const std::vector<ScreenInfo> screens = Screens();
    if (index < 0 || index >= static_cast<int32_t>(screens.size()))
        return {};
    return screens[static_cast<size_t>(index)];
}

namespace testing {

void SetScreens(std::vector<ScreenInfo> screens) { FixedScreens() = std::move(screens); }
void ResetScreens() { FixedScreens().reset(); }

} // namespace testing

} // namespace platform
