#include "checkbox.h"

#include "application.h"
#include "clickthroughwhendisabled.h"
#include "controlimpl.h"
#include "handlerscope.h"
#include "textstyle.h"
#include "window.h"
#include "windowimpl.h"

#include <QCheckBox>

namespace platform {

namespace {

class CheckBoxImpl : public ControlImpl {
public:
    explicit CheckBoxImpl(Window &owner) : ControlImpl(owner, new detail::ClickThroughWhenDisabled<QCheckBox>(owner.Impl().frame.get()))
    {
        style.ApplyTo(Widget());
        // clicked comes from the user only; code goes through SetValue.
        QObject::connect(Widget(), &QCheckBox::clicked, &guard, [this](bool checked) {
            value = checked;
            if (onAction)
                RunHandler((name + ".Action").c_str(), [this] { onAction(Self()); });
        });
    }

    QCheckBox *Widget() const { return static_cast<QCheckBox *>(widget.data()); }
    CheckBox &Self() const { return static_cast<CheckBox &>(*control); }

    std::string caption;
    bool value = false;
    detail::TextStyle style;
    std::function<void(CheckBox &)> onAction;
};

CheckBoxImpl &Of(const CheckBox &box) { return static_cast<CheckBoxImpl &>(box.Impl()); }

} // namespace

CheckBox::CheckBox(Window &owner, int32_t index) : Control(owner, index, std::make_unique<CheckBoxImpl>(owner)) {}
CheckBox::~CheckBox() = default;

const std::string &CheckBox::Caption() const { return Of(*this).caption; }

void CheckBox::SetCaption(std::string caption)
{
    auto &impl = Of(*this);
    impl.caption = std::move(caption);
    impl.Widget()->setText(QString::fromStdString(impl.caption));
}

bool CheckBox::Value() const { return Of(*this).value; }

void CheckBox::SetValue(bool value)
{
    auto &impl = Of(*this);
    if (impl.value == value)
        return;
    impl.value = value;
    impl.Widget()->setChecked(value);
    if (impl.onAction && !impl.applyingList)
        detail::CallHandler([&impl] { impl.onAction(impl.Self()); });
}

void CheckBox::SetTextSize(float pixels)
{
    Of(*this).style.size = pixels;
    Of(*this).style.ApplyTo(Of(*this).Widget());
}

void CheckBox::SetTextUnit(int32_t) {}

void CheckBox::OnAction(std::function<void(CheckBox &)> handler) { Of(*this).onAction = std::move(handler); }

bool CheckBox::ApplyProperty(const Property &property)
{
    auto &impl = Of(*this);
    if (impl.style.Take(property)) {
        impl.style.ApplyTo(impl.Widget());
        return true;
    }
    if (property.name == "Caption")
        if (const std::string *text = std::get_if<std::string>(&property.value)) {
            SetCaption(*text);
            return true;
        }
    if (property.name == "Value")
        if (const bool *flag = std::get_if<bool>(&property.value)) {
            SetValue(*flag);
            return true;
        }
    return false;
}

} // namespace platform
