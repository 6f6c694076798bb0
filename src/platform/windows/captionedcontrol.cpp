#include "platform/windows/captionedcontrol.h"

#include "platform/windows/captionedcontrolimpl_p.h"
#include "platform/windows/takeproperty_p.h"

#include <QAbstractButton>

namespace platform {

// ---- CaptionedControlImpl

CaptionedControlImpl::CaptionedControlImpl(Window &owner, QWidget *widget) : ControlImpl(owner, widget)
{
    style.ApplyTo(widget);
}

void CaptionedControlImpl::ShowCaption()
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget.data()))
        button->setText(QString::fromStdString(caption));
}

// ---- CaptionedControl

namespace {

CaptionedControlImpl &Of(const CaptionedControl &control) { return static_cast<CaptionedControlImpl &>(control.Impl()); }

} // namespace

CaptionedControl::CaptionedControl(int32_t index, std::unique_ptr<CaptionedControlImpl> impl)
    : Control(index, std::move(impl))
{
}

const std::string &CaptionedControl::Caption() const { return Of(*this).caption; }

void CaptionedControl::SetCaption(std::string caption)
{
    auto &impl = Of(*this);
    impl.caption = std::move(caption);
    impl.ShowCaption();
}

void CaptionedControl::SetTextSize(float pixels)
{
    auto &impl = Of(*this);
    impl.style.size = pixels;
    impl.style.ApplyTo(impl.widget);
}

void CaptionedControl::SetTextUnit(int32_t) {}

bool CaptionedControl::ApplyProperty(const Property &property)
{
    auto &impl = Of(*this);
    if (impl.style.Take(property)) {
        impl.style.ApplyTo(impl.widget);
        return true;
    }
    return detail::TakeProperty<std::string>(property, "Caption", [this](const std::string &text) { SetCaption(text); });
}

} // namespace platform
