#include "platform/application/menuitem.h"

#include "platform/application/menupresenter_p.h"

namespace platform {

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::SetText(std::string text)
{
    text_ = std::move(text);
    Changed();
}

void MenuItem::SetKeyboardShortcut(std::string shortcut)
{
    shortcut_ = std::move(shortcut);
    Changed();
}

void MenuItem::SetVisible(bool visible)
{
    visible_ = visible;
    Changed();
}

void MenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    enabledWasSet_ = true;
    Changed();
}

void MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    if (!item)
        return;
    children_.push_back(std::move(item));
    Changed();
}

MenuItem *MenuItem::Item(int32_t index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<size_t>(index)].get();
}

MenuItem *MenuItem::Child(std::string_view name) const
{
    for (const auto &child : children_)
        if (child->Name() == name)
            return child.get();
    return nullptr;
}

MenuItem *MenuItem::_Lookup(std::string_view name) const
{
    if (name_ == name)
        return const_cast<MenuItem *>(this);
    for (const auto &child : children_)
        if (MenuItem *found = child->_Lookup(name))
            return found;
    return nullptr;
}

void MenuItem::Changed() { detail::MenusChanged(); }

} // namespace platform
