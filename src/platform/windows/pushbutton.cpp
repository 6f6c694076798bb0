#include "platform/windows/pushbutton.h"

#include "platform/application/runtime.h"
#include "platform/windows/captionedcontrolimpl_p.h"
#include "platform/windows/clickthroughwhendisabled_p.h"
#include "platform/windows/takeproperty_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QPushButton>
#include <QShortcut>

#include <memory>
#include <vector>

namespace platform {

namespace {

class PushButtonImpl : public CaptionedControlImpl {
public:
    explicit PushButtonImpl(Window &owner)
        : CaptionedControlImpl(owner, new detail::ClickThroughWhenDisabled<QPushButton>(owner.Impl().frame.get()))
    {
        Widget()->setAutoDefault(false);
        QObject::connect(Widget(), &QPushButton::clicked, &guard, [this] { Press(); });
    }

    QPushButton *Widget() const { return static_cast<QPushButton *>(widget.data()); }

    void Press()
    {
        if (onAction)
            RunHandler((name + ".Action").c_str(), [this] { onAction(static_cast<PushButton &>(*control)); });
    }

    // Return and Enter press the window's default button, as in a dialog.
    void SetDefault(bool on)
    {
        isDefault = on;
        Widget()->setDefault(on);
        returnKeys.clear();
        if (!on)
            return;
        for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto shortcut = std::make_unique<QShortcut>(QKeySequence(key), owner.Impl().frame.get());
            QObject::connect(shortcut.get(), &QShortcut::activated, &guard, [this] {
                if (Widget() && Widget()->isVisible() && Widget()->isEnabled() && InsideWindow())
                    Widget()->animateClick();
            });
            returnKeys.push_back(std::move(shortcut));
        }
    }

    bool isDefault = false;
    std::function<void(PushButton &)> onAction;
    std::vector<std::unique_ptr<QShortcut>> returnKeys;
};

PushButtonImpl &Of(const PushButton &button) { return static_cast<PushButtonImpl &>(button.Impl()); }

} // namespace

PushButton::PushButton(Window &owner, int32_t index)
    : CaptionedControl(index, std::make_unique<PushButtonImpl>(owner))
{
}

PushButton::~PushButton() = default;

bool PushButton::Default() const { return Of(*this).isDefault; }
void PushButton::SetDefault(bool isDefault) { Of(*this).SetDefault(isDefault); }

void PushButton::OnAction(std::function<void(PushButton &)> handler) { Of(*this).onAction = std::move(handler); }

bool PushButton::ApplyProperty(const Property &property)
{
    return CaptionedControl::ApplyProperty(property)
        || detail::TakeProperty<bool>(property, "Default", [this](bool isDefault) { SetDefault(isDefault); });
}

} // namespace platform
