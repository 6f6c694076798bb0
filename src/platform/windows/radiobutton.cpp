#include "platform/windows/radiobutton.h"

#include "platform/application/handlerscope_p.h"
#include "platform/application/runtime.h"
#include "platform/windows/clickthroughwhendisabled_p.h"
#include "platform/windows/twostatebuttonimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QRadioButton>

#include <vector>

namespace platform {

namespace {

class RadioButtonImpl : public TwoStateButtonImpl {
public:
    explicit RadioButtonImpl(Window &owner)
        : TwoStateButtonImpl(owner, new detail::ClickThroughWhenDisabled<QRadioButton>(owner.Impl().frame.get()))
    {
        // The group is ours: the buttons under one name in one window.
        Widget()->setAutoExclusive(false);
        QObject::connect(Widget(), &QRadioButton::clicked, &guard, [this] { Clicked(); });
    }

    QRadioButton *Widget() const { return static_cast<QRadioButton *>(widget.data()); }

    void Clicked()
    {
        if (value) { // a click on the selected button keeps it selected
            SetChecked(true);
            return;
        }
        RunHandler((name + ".Action").c_str(), [this] { Select(true); });
    }

    void ChangeValue(bool on, bool runHandlers) override
    {
        if (on) {
            detail::CallHandler([&] { Select(runHandlers); });
            return;
        }
        SetChecked(false);
        if (runHandlers)
            detail::CallHandler([this] { RunAction(); });
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
};

RadioButtonImpl &Of(const RadioButton &button) { return static_cast<RadioButtonImpl &>(button.Impl()); }

} // namespace

RadioButton::RadioButton(Window &owner, int32_t index)
    : TwoStateButton(index, std::make_unique<RadioButtonImpl>(owner))
{
}

RadioButton::~RadioButton() = default;

void RadioButton::OnAction(std::function<void(RadioButton &)> handler) { Of(*this).SetAction(std::move(handler)); }

} // namespace platform
