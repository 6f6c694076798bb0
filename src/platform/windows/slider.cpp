#include "platform/windows/slider.h"

#include "platform/application/handlerscope_p.h"
#include "platform/application/runtime.h"
#include "platform/windows/controlimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <optional>
#include <utility>

namespace platform {

namespace {

class SliderImpl : public ControlImpl {
public:
    explicit SliderImpl(Window &owner) : ControlImpl(owner, new QSlider(Qt::Horizontal, owner.Impl().frame.get()))
    {
        Sync();
        // valueChanged from the user's dragging or keys; code sets with signals blocked.
        QObject::connect(Widget(), &QSlider::valueChanged, &guard, [this](int newValue) {
            if (newValue == value)
                return;
            value = newValue;
            if (onValueChanged)
                RunHandler((name + ".ValueChanged").c_str(), [this] { onValueChanged(Self()); });
        });
    }

    QSlider *Widget() const { return static_cast<QSlider *>(widget.data()); }
    Slider &Self() const { return static_cast<Slider &>(*control); }

    void Sync()
    {
        if (!Widget())
            return;
        QSignalBlocker block(Widget());
        Widget()->setRange(minimum, std::max(minimum, maximum));
        Widget()->setValue(value);
        Widget()->setSingleStep(lineStep);
        Widget()->setPageStep(pageStep);
    }

    int32_t Bounded(int32_t v) const { return std::clamp(v, minimum, std::max(minimum, maximum)); }

    // A value from code: bounded, and the handler only when it changed.
    void SetValue(int32_t requested)
    {
        const int32_t bounded = Bounded(requested);
        if (bounded == value)
            return;
        value = bounded;
        Sync();
        if (onValueChanged && !applyingList)
            detail::CallHandler([this] { onValueChanged(Self()); });
    }

    // The list's Value waits until its Minimum and Maximum are in place.
    void ListApplied() override
    {
        if (listValue)
            SetValue(*std::exchange(listValue, std::nullopt));
        else
            SetValue(value);
    }

    int32_t minimum = 0;
    int32_t maximum = 100;
    int32_t value = 0;
    int32_t lineStep = 1;
    int32_t pageStep = 20;
    std::optional<int32_t> listValue;
    std::function<void(Slider &)> onValueChanged;
};

SliderImpl &Of(const Slider &slider) { return static_cast<SliderImpl &>(slider.Impl()); }

} // namespace

Slider::Slider(Window &owner, int32_t index) : Control(index, std::make_unique<SliderImpl>(owner)) {}
Slider::~Slider() = default;

int32_t Slider::Minimum() const { return Of(*this).minimum; }

void Slider::SetMinimum(int32_t minimum)
{
    auto &impl = Of(*this);
    impl.minimum = minimum;
    impl.Sync();
    if (!impl.applyingList)
        impl.SetValue(impl.value);
}

int32_t Slider::Maximum() const { return Of(*this).maximum; }

void Slider::SetMaximum(int32_t maximum)
{
    auto &impl = Of(*this);
    impl.maximum = maximum;
    impl.Sync();
    if (!impl.applyingList)
        impl.SetValue(impl.value);
}

int32_t Slider::Value() const { return Of(*this).value; }
void Slider::SetValue(int32_t value) { Of(*this).SetValue(value); }

int32_t Slider::LineStep() const { return Of(*this).lineStep; }

void Slider::SetLineStep(int32_t step)
{
    Of(*this).lineStep = step;
    Of(*this).Sync();
}

int32_t Slider::PageStep() const { return Of(*this).pageStep; }

void Slider::SetPageStep(int32_t step)
{
    Of(*this).pageStep = step;
    Of(*this).Sync();
}

void Slider::OnValueChanged(std::function<void(Slider &)> handler) { Of(*this).onValueChanged = std::move(handler); }

bool Slider::ApplyProperty(const Property &property)
{
    const int32_t *number = std::get_if<int32_t>(&property.value);
    if (!number)
        return false;
    const std::string &name = property.name;
    if (name == "Minimum")
        SetMinimum(*number);
    else if (name == "Maximum")
        SetMaximum(*number);
    else if (name == "Value")
        Of(*this).listValue = *number;
    else if (name == "LineStep")
        SetLineStep(*number);
    else if (name == "PageStep")
        SetPageStep(*number);
    else
        return false;
    return true;
}

} // namespace platform
