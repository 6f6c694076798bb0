#include "platform/windows/twostatebutton.h"

#include "platform/windows/takeproperty_p.h"
#include "platform/windows/twostatebuttonimpl_p.h"

namespace platform {

namespace {

TwoStateButtonImpl &Of(const TwoStateButton &button) { return static_cast<TwoStateButtonImpl &>(button.Impl()); }

} // namespace

TwoStateButton::TwoStateButton(int32_t index, std::unique_ptr<TwoStateButtonImpl> impl)
    : CaptionedControl(index, std::move(impl))
{
}

bool TwoStateButton::Value() const { return Of(*this).value; }

void TwoStateButton::SetValue(bool value)
{
    auto &impl = Of(*this);
    if (impl.value != value)
        impl.ChangeValue(value, !impl.applyingList);
}

bool TwoStateButton::ApplyProperty(const Property &property)
{
    return CaptionedControl::ApplyProperty(property)
        || detail::TakeProperty<bool>(property, "Value", [this](bool value) { SetValue(value); });
}

} // namespace platform
