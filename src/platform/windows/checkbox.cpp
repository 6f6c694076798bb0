#include "platform/windows/checkbox.h"

#include "platform/application/handlerscope_p.h"
#include "platform/application/runtime.h"
#include "platform/windows/clickthroughwhendisabled_p.h"
#include "platform/windows/twostatebuttonimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QCheckBox>

namespace platform {

namespace {

class CheckBoxImpl : public TwoStateButtonImpl {
public:
    explicit CheckBoxImpl(Window &owner)
        : TwoStateButtonImpl(owner, new detail::ClickThroughWhenDisabled<QCheckBox>(owner.Impl().frame.get()))
    {
        // clicked comes from the user only; code goes through SetValue.
        QObject::connect(Widget(), &QCheckBox::clicked, &guard, [this](bool checked) {
            value = checked;
            if (onAction)
                RunHandler((name + ".Action").c_str(), [this] { onAction(); });
        });
    }

    QCheckBox *Widget() const { return static_cast<QCheckBox *>(widget.data()); }

    void ChangeValue(bool on, bool runHandlers) override
    {
        value = on;
        Widget()->setChecked(on);
        if (onAction && runHandlers)
            detail::CallHandler([this] { onAction(); });
    }
};

CheckBoxImpl &Of(const CheckBox &box) { return static_cast<CheckBoxImpl &>(box.Impl()); }

} // namespace

CheckBox::CheckBox(Window &owner, int32_t index) : TwoStateButton(index, std::make_unique<CheckBoxImpl>(owner)) {}
CheckBox::~CheckBox() = default;

void CheckBox::OnAction(std::function<void(CheckBox &)> handler) { Of(*this).SetAction(std::move(handler)); }

} // namespace platform
