#include "radiobutton.h"

#include "application.h"
#include "clickthroughwhendisabled.h"
#include "controlimpl.h"
#include "handlerscope.h"
#include "textstyle.h"
#include "window.h"
#include "windowimpl.h"

#include <QRadioButton>

#include <vector>

namespace platform {

namespace {

class RadioButtonImpl : public ControlImpl {
public:
    explicit RadioButtonImpl(Window &owner) : ControlImpl(owner, new detail::ClickThroughWhenDisabled<QRadioButton>(owner.Impl().frame.get()))
    {
        // The group is ours: the buttons under one name in one window.
        Widget()->setAutoExclusive(false);
        style.ApplyTo(Widget());
        QObject::connect(Widget(), &QRadioButton::clicked, &guard, [this] { Clicked(); });
    }

    QRadioButton *Widget() const { return static_cast<QRadioButton *>(widget.data()); }
    RadioButton &Self() const { return static_cast<RadioButton &>(*control); }

    void Clicked()
    {
        if (value) { // a click on the selected button keeps it selected
            SetChecked(true);
            return;
        }
        RunHandler((name + ".Action").c_str(), [this] { Select(true); });
    }

    // Selects this button and deselects the rest of its group; then the
    // handlers of the changed buttons, the newly selected one first.
    void Select(bool runHandlers)
    {
        std::vector<RadioButtonImpl *> deselected;
        for (RadioButtonImpl *other : Group())
            if (other != this && other->value) {
                other->SetChecked(false);
                deselected.push_back(other);
            }
        SetChecked(true);
        if (!runHandlers)
            return;
        RunAction();
        for (RadioButtonImpl *other : deselected)
            other->RunAction();
    }

    void SetChecked(bool on)
    {
        value = on;
        if (Widget())
            Widget()->setChecked(on);
    }

    void RunAction()
    {
        if (onAction)
            onAction(Self());
    }

    std::vector<RadioButtonImpl *> Group() const
    {
        std::vector<RadioButtonImpl *> group;
        if (name.empty())
            return group;
        for (const auto &control : owner.Impl().controls)
            if (control->Name() == name)
                if (auto *button = dynamic_cast<RadioButton *>(control.get()))
                    group.push_back(&static_cast<RadioButtonImpl &>(button->Impl()));
        return group;
    }

    std::string caption;
    bool value = false;
    detail::TextStyle style;
    std::function<void(RadioButton &)> onAction;
};

RadioButtonImpl &Of(const RadioButton &button) { return static_cast<RadioButtonImpl &>(button.Impl()); }

} // namespace

RadioButton::RadioButton(Window &owner, int32_t index)
    : Control(owner, index, std::make_unique<RadioButtonImpl>(owner))
{
}

RadioButton::~RadioButton() = default;

const std::string &RadioButton::Caption() const { return Of(*this).caption; }

void RadioButton::SetCaption(std::string caption)
{
    auto &impl = Of(*this);
    impl.caption = std::move(caption);
    impl.Widget()->setText(QString::fromStdString(impl.caption));
}

bool RadioButton::Value() const { return Of(*this).value; }

void RadioButton::SetValue(bool value)
{
    auto &impl = Of(*this);
    if (impl.value == value)
        return;
    const bool runHandlers = !impl.applyingList;
    if (value) {
        detail::CallHandler([&] { impl.Select(runHandlers); });
        return;
    }
    impl.SetChecked(false);
    if (runHandlers)
        detail::CallHandler([&] { impl.RunAction(); });
}

void RadioButton::SetTextSize(float pixels)
{
    Of(*this).style.size = pixels;
    Of(*this).style.ApplyTo(Of(*this).Widget());
}

void RadioButton::SetTextUnit(int32_t) {}

void RadioButton::OnAction(std::function<void(RadioButton &)> handler) { Of(*this).onAction = std::move(handler); }

bool RadioButton::ApplyProperty(const Property &property)
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
