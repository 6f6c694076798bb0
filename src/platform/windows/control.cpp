#include "platform/windows/control.h"

#include "platform/application/testing.h"
#include "platform/windows/controlimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

namespace platform {

// ---- ControlImpl

ControlImpl::ControlImpl(Window &owner, QWidget *widget) : owner(owner), widget(widget)
{
    if (widget) {
        focusPolicy = widget->focusPolicy();
        widget->setGeometry(0, 0, 0, 0);
        widget->show(); // with its window, or at once when the window is open
    }
}

ControlImpl::~ControlImpl() = default;

void ControlImpl::ApplyGeometry()
{
    if (!widget)
        return;
    QPoint offset;
    QWidget *parent = widget->parentWidget();
    QWidget *content = owner.Impl().frame.get();
    if (parent && parent != content)
        offset = parent->mapTo(content, QPoint(0, 0));
    widget->setGeometry(left - offset.x(), top - offset.y(), std::max(width, 0), std::max(height, 0));
    UpdateFocusPolicy();
}

bool ControlImpl::InsideWindow() const
{
    const QWidget *content = owner.Impl().frame.get();
    if (!widget || !content->isAncestorOf(widget))
        return false;
    return QRect(widget->mapTo(content, QPoint(0, 0)), widget->size()).intersects(content->rect());
}

bool ControlImpl::UpdateFocusPolicy()
{
    if (!widget || focusPolicy == Qt::NoFocus)
        return false;
    const Qt::FocusPolicy now = InsideWindow() ? focusPolicy : Qt::NoFocus;
    const bool gained = now != Qt::NoFocus && widget->focusPolicy() == Qt::NoFocus;
    widget->setFocusPolicy(now);
    return gained;
}

void ControlImpl::SetInitialParent(const std::string &parentName)
{
    if (!widget)
        return;
    QWidget *parent = owner.Impl().frame.get();
    if (!parentName.empty())
        if (Control *host = owner._ControlByName(parentName); host && host->Impl().widget && host != control)
            parent = host->Impl().widget;
    if (widget->parentWidget() != parent) {
        widget->setParent(parent);
        widget->setVisible(visible);
    }
    ApplyGeometry();
}

// ---- Control

Control::Control(int32_t index, std::unique_ptr<ControlImpl> impl) : impl_(std::move(impl))
{
    impl_->control = this;
    impl_->index = index;
}

Control::~Control() = default;

const std::string &Control::Name() const { return impl_->name; }
int32_t Control::Index() const { return impl_->index; }
Window &Control::Owner() const { return impl_->owner; }

int32_t Control::Left() const { return impl_->left; }
int32_t Control::Top() const { return impl_->top; }
int32_t Control::Width() const { return impl_->width; }
int32_t Control::Height() const { return impl_->height; }

void Control::SetLeft(int32_t left)
{
    impl_->left = left;
    impl_->ApplyGeometry();
}

void Control::SetTop(int32_t top)
{
    impl_->top = top;
    impl_->ApplyGeometry();
}

void Control::SetWidth(int32_t width)
{
    impl_->width = width;
    impl_->ApplyGeometry();
}

void Control::SetHeight(int32_t height)
{
    impl_->height = height;
    impl_->ApplyGeometry();
}

bool Control::Visible() const { return impl_->visible; }

void Control::SetVisible(bool visible)
{
    impl_->visible = visible;
    if (impl_->widget)
        impl_->widget->setVisible(visible);
}

bool Control::Enabled() const { return impl_->enabled; }

void Control::SetEnabled(bool enabled)
{
    impl_->enabled = enabled;
    if (impl_->widget)
        impl_->widget->setEnabled(enabled);
}

const std::string &Control::HelpTag() const { return impl_->helpTag; }

void Control::SetHelpTag(std::string tag)
{
    impl_->helpTag = std::move(tag);
    if (impl_->widget)
        impl_->widget->setToolTip(QString::fromStdString(impl_->helpTag));
}

void Control::_SetProperties(const PropertyList &properties)
{
    impl_->applyingList = true;
    std::string initialParent;
    bool hasParent = false;
    for (const Property &property : properties) {
        if (ApplyProperty(property))
            continue;
        const std::string &name = property.name;
        if (const int32_t *number = std::get_if<int32_t>(&property.value)) {
            if (name == "Left")
                impl_->left = *number;
            else if (name == "Top")
                impl_->top = *number;
            else if (name == "Width")
                impl_->width = *number;
            else if (name == "Height")
                impl_->height = *number;
        } else if (const bool *flag = std::get_if<bool>(&property.value)) {
            if (name == "Visible")
                SetVisible(*flag);
            else if (name == "Enabled")
                SetEnabled(*flag);
        } else if (const std::string *text = std::get_if<std::string>(&property.value)) {
            if (name == "HelpTag")
                SetHelpTag(*text);
            else if (name == "InitialParent") {
                initialParent = *text;
                hasParent = true;
            }
        }
    }
    // After the geometry, so that window coordinates map into the parent.
    if (hasParent)
        impl_->SetInitialParent(initialParent);
    else
        impl_->ApplyGeometry();
    impl_->ListApplied();
    impl_->applyingList = false;
}

bool Control::ApplyProperty(const Property &) { return false; }

namespace testing {

QWidget *WidgetOf(const Control &control) { return control.Impl().widget.data(); }

} // namespace testing

} // namespace platform
