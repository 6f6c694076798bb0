#include "platform/application/quitsignals_p.h"

#include "platform/application/application.h"
#include "platform/application/handlerscope_p.h"
#include "platform/application/menubar.h"
#include "platform/application/menupresenter_p.h"
#include "platform/application/runtime.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <string>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace platform::detail {

namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's write end, for the signal handler: an atomic int is safe to
// read there.
std::atomic<int> g_wakeUpFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

// All a signal handler may safely do: one byte into the pipe, which the
// event loop reads. A full pipe already holds a wake-up.
extern "C" void OnQuitSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    if (write(g_wakeUpFd.load(std::memory_order_relaxed), &byte, 1) < 0) {
        // Nothing to do in a signal handler; the pipe is non-blocking.
    }
    errno = savedErrno;
}

const MenuItem *QuitItemIn(const MenuItem &parent)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const MenuItem &item = *parent.Item(i);
        if (item.IsQuitItem())
            return &item;
        if (const MenuItem *inner = QuitItemIn(item))
            return inner;
    }
    return nullptr;
}

// As if the user chose the quit item, whatever its shown or enabled state:
// a signal must end the program even where no menu could.
void ChooseQuitItem()
{
    Application *app = Application::Current();
    const MenuBar *bar = app ? app->MenuBar() : nullptr;
    if (const MenuItem *quit = bar ? QuitItemIn(*bar) : nullptr) {
        const std::string name = quit->Name();
        if (!UnhandledExceptionRecorded())
            RunHandler(name.c_str(), [&] { DispatchMenuItem(name); });
    }
    if (!QuitPending())
        RequestQuit(0);
}

// A modal dialog runs its own loop inside the handler that opened it; the
// quit waits for that handler, so the dialog is cancelled, as its Cancel
// button would.
void CancelModalDialogs()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !widget->isModal())
            continue;
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            dialog->reject();
        else
            widget->close();
    }
}

} // namespace

struct QuitSignals::Impl {
    std::array<int, 2> pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    std::array<struct sigaction, kQuitSignals.size()> previous{};
    std::array<bool, kQuitSignals.size()> installed{};
    bool quitting = false;

    void WokenUp()
    {
        std::array<char, 64> bytes{};
        while (read(pipe[0], bytes.data(), bytes.size()) > 0) {
        }
        if (std::exchange(quitting, true))
            return;
        CancelModalDialogs();
        WhenIdle(&ChooseQuitItem);
    }
};

QuitSignals::QuitSignals() : impl_(std::make_unique<Impl>())
{
    if (pipe2(impl_->pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default handling
    impl_->notifier = std::make_unique<QSocketNotifier>(impl_->pipe[0], QSocketNotifier::Read);
    Impl *impl = impl_.get();
    QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, impl_->notifier.get(),
                     [impl] { impl->WokenUp(); });
    g_wakeUpFd.store(impl_->pipe[1]);

    struct sigaction action {};
    action.sa_handler = &OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kQuitSignals.size(); ++i) {
        struct sigaction &previous = impl_->previous[i];
        if (sigaction(kQuitSignals[i], nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        impl_->installed[i] = sigaction(kQuitSignals[i], &action, nullptr) == 0;
    }
}

QuitSignals::~QuitSignals()
{
    for (size_t i = 0; i < kQuitSignals.size(); ++i)
        if (impl_->installed[i])
            sigaction(kQuitSignals[i], &impl_->previous[i], nullptr);
    g_wakeUpFd.store(-1);
    impl_->notifier.reset();
    for (int fd : impl_->pipe)
        if (fd >= 0)
            close(fd);
}

} // namespace platform::detail
