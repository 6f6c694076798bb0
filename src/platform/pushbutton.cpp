#include "pushbutton.h"

#include "application.h"
#include "clickthroughwhendisabled.h"
#include "controlimpl.h"
#include "textstyle.h"
#include "window.h"
#include "windowimpl.h"

#include <QPushButton>
#include <QShortcut>

#include <memory>
#include <vector>

namespace platform {

namespace {

class PushButtonImpl : public ControlImpl {
public:
    explicit PushButtonImpl(Window &owner) : ControlImpl(owner, new detail::ClickThroughWhenDisabled<QPushButton>(owner.Impl().frame.get()))
    {
        Widget()->setAutoDefault(false);
        style.ApplyTo(Widget());
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
                if (Widget() && Widget()->isVisible() && Widget()->isEnabled())
                    Widget()->animateClick();
            });
            returnKeys.push_back(std::move(shortcut));
        }
    }

    std::string caption;
    bool isDefault = false;
    detail::TextStyle style;
    std::function<void(PushButton &)> onAction;
    std::vector<std::unique_ptr<QShortcut>> returnKeys;
};

PushButtonImpl &Of(const PushButton &button) { return static_cast<PushButtonImpl &>(button.Impl()); }

} // namespace

PushButton::PushButton(Window &owner, int32_t index)
    : Control(owner, index, std::make_unique<PushButtonImpl>(owner))
{
}

PushButton::~PushButton() = default;

const std::string &PushButton::Caption() const { return Of(*this).caption; }

void PushButton::SetCaption(std::string caption)
{
    auto &impl = Of(*this);
    impl.caption = std::move(caption);
    impl.Widget()->setText(QString::fromStdString(impl.caption));
}

bool PushButton::Default() const { return Of(*this).isDefault; }
void PushButton::SetDefault(bool isDefault) { Of(*this).SetDefault(isDefault); }

void PushButton::SetTextSize(float pixels)
{
    Of(*this).style.size = pixels;
    Of(*this).style.ApplyTo(Of(*this).Widget());
}

void PushButton::SetTextUnit(int32_t) {}

void PushButton::OnAction(std::function<void(PushButton &)> handler) { Of(*this).onAction = std::move(handler); }

bool PushButton::ApplyProperty(const Property &property)
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
    if (property.name == "Default")
        if (const bool *flag = std::get_if<bool>(&property.value)) {
            SetDefault(*flag);
            return true;
        }
    return false;
}

} // namespace platform
