#include "platform/application/timer.h"

#include "platform/application/handlerscope_p.h"
#include "platform/application/runtime.h"
#include "platform/windows/controlimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace platform {

namespace {

class TimerImpl : public ControlImpl {
public:
    explicit TimerImpl(Window &owner) : ControlImpl(owner, nullptr)
    {
        qtTimer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&qtTimer, &QTimer::timeout, &guard, [this] { Tick(); });
    }

    Timer &Self() const { return static_cast<Timer &>(*control); }

    void Restart()
    {
        qtTimer.stop();
        pending = false;
        if (mode == 0)
            return;
        qtTimer.setSingleShot(mode == 1);
        qtTimer.start(std::max(period, 1));
    }

    // A tick while another handler runs (or before Open has ended) waits,
    // and several such ticks make one.
    void Tick()
    {
        if (detail::InHandler() || !owner.Impl().opened) {
            if (!pending) {
                pending = true;
                if (owner.Impl().opened)
                    WaitForIdle();
            }
            return;
        }
        pending = false;
        if (mode == 1)
            mode = 0; // a single shot is spent
        if (onAction)
            RunHandler((name + ".Action").c_str(), [this] { onAction(Self()); });
    }

    void WaitForIdle()
    {
        QPointer<QObject> alive(&guard);
        detail::WhenIdle([this, alive] {
            if (alive && pending) {
                pending = false;
                Tick();
            }
        });
    }

    // A closed window's timer is done, even before the window is destroyed.
    void WindowClosed() override
    {
        qtTimer.stop();
        pending = false;
        mode = 0;
    }

    void OpenEnded() override
    {
        if (pending)
            WaitForIdle();
    }

    int32_t mode = 0;
    int32_t period = 1000;
    bool pending = false;
    std::function<void(Timer &)> onAction;
    QTimer qtTimer;
};

TimerImpl &Of(const Timer &timer) { return static_cast<TimerImpl &>(timer.Impl()); }

} // namespace

Timer::Timer(Window &owner, int32_t index) : Control(index, std::make_unique<TimerImpl>(owner)) {}
Timer::~Timer() = default;

int32_t Timer::Mode() const { return Of(*this).mode; }

void Timer::SetMode(int32_t mode)
{
    Of(*this).mode = std::clamp(mode, 0, 2);
    Of(*this).Restart();
}

int32_t Timer::Period() const { return Of(*this).period; }

void Timer::SetPeriod(int32_t milliseconds)
{
    Of(*this).period = milliseconds;
    Of(*this).Restart();
}

void Timer::OnAction(std::function<void(Timer &)> handler) { Of(*this).onAction = std::move(handler); }

bool Timer::ApplyProperty(const Property &property)
{
    const int32_t *number = std::get_if<int32_t>(&property.value);
    if (!number)
        return false;
    if (property.name == "Mode")
        SetMode(*number);
    else if (property.name == "Period")
        SetPeriod(*number);
    else
        return false;
    return true;
}

} // namespace platform
