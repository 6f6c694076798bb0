#include "platform/application/runtime.h"

#include "platform/application/application.h"
#include "platform/application/handlerscope_p.h"
#include "platform/application/lasting.h"
#include "platform/application/platformchoice_p.h"
#include "platform/application/quitsignals_p.h"
#include "platform/application/testing.h"
#include "platform/drawing/dockitem.h"

#include <QApplication>
#include <QByteArray>

#include <array>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

namespace {

int g_depth = 0;
bool g_loopRunning = false;
bool g_failed = false;
std::optional<int> g_quitStatus;
bool g_idleWorkPosted = false;
constinit Lasting<std::vector<std::function<void()>>> g_idleWork;

void RunIdleWork()
{
    g_idleWorkPosted = false;
    if (g_depth > 0)
        return; // the outermost handler's end posts again
    auto work = std::exchange(*g_idleWork, {});
    for (auto &item : work)
        item();
}

void PostIdleWork()
{
    if (g_idleWorkPosted || g_idleWork->empty() || !QCoreApplication::instance())
        return;
    g_idleWorkPosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &RunIdleWork, Qt::QueuedConnection);
}

void OutermostHandlerEnded()
{
    if (g_loopRunning && (g_failed || g_quitStatus))
        QCoreApplication::exit(g_failed ? 1 : *g_quitStatus);
    PostIdleWork();
}

} // namespace

namespace detail {

void PreferX11()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    // Qt tries the platforms of the list in turn: without its X11 plugin
    // the program runs on Wayland rather than not at all.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

HandlerScope::HandlerScope() { ++g_depth; }

HandlerScope::~HandlerScope()
{
    if (--g_depth == 0)
        OutermostHandlerEnded();
}

bool InHandler() { return g_depth > 0; }

bool UnhandledExceptionRecorded() { return g_failed; }

void CallHandler(const std::function<void()> &handler)
{
    HandlerScope scope;
    handler();
}

void WhenIdle(std::function<void()> work)
{
    g_idleWork->push_back(std::move(work));
    if (g_depth == 0)
        PostIdleWork();
}

void RequestQuit(int status)
{
    g_quitStatus = status;
    if (g_depth == 0 && g_loopRunning)
        QCoreApplication::exit(status);
}

bool QuitPending() { return g_quitStatus.has_value(); }

} // namespace detail

bool RunHandler(const char *what, const std::function<void()> &handler)
{
    std::optional<std::string> failure;
    {
        detail::HandlerScope scope;
        try {
            handler();
        } catch (const std::exception &e) {
            failure = e.what();
        } catch (...) {
            failure = "unknown exception";
        }
        if (failure) {
            std::fprintf(stderr, "tovy: unhandled exception in %s: %s\n", what, failure->c_str());
            std::fflush(stderr);
            g_failed = true;
            // Ends every loop, a modal one inside a handler included.
            if (g_loopRunning)
                QCoreApplication::exit(1);
        }
    }
    return !failure;
}

struct Runtime::State {
    // QApplication keeps argc by reference and reads argv later on.
    int argc = 1;
    std::array<char *, 2> argv{};
    std::unique_ptr<QApplication> application; // unless a test made its own
    std::unique_ptr<detail::QuitSignals> quitSignals;
};

Runtime::Runtime(int argc, char **argv) : state_(std::make_unique<State>())
{
    static char fallbackName[] = "tovy";
    state_->argv[0] = argc > 0 && argv && argv[0] ? argv[0] : fallbackName;
    detail::PreferX11();
    if (!QCoreApplication::instance()) {
        state_->application = std::make_unique<QApplication>(state_->argc, state_->argv.data());
        QCoreApplication::setApplicationName(QStringLiteral("Tovy"));
    }
    // The program decides when to end: closing its last window is not enough.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    state_->quitSignals = std::make_unique<detail::QuitSignals>();
}

Runtime::~Runtime()
{
    state_->quitSignals.reset();
    testing::DestroyAllWindows();
    detail::ReleaseLasting();
    state_->application.reset();
}

int Runtime::Run(const std::function<void()> &lateStartup)
{
    g_failed = false;
    // The program's own icon from the start, as an installed program has it.
    if (Application *app = Application::Current())
        app->DockItem().ResetIcon();
    RunHandler("start-up", lateStartup);
    int status = 0;
    if (!g_failed && !g_quitStatus) {
        g_loopRunning = true;
        status = QCoreApplication::exec();
        g_loopRunning = false;
    }
    if (g_failed)
        return status != 0 ? status : 1;
    return g_quitStatus ? *g_quitStatus : status;
}

namespace testing {

std::optional<int> QuitRequested() { return g_quitStatus; }
void ClearQuitRequest() { g_quitStatus.reset(); }
void ClearUnhandledException() { g_failed = false; }

} // namespace testing

} // namespace platform
