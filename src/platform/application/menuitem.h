#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A menu or a menu item. "Cmd+Q" shortcuts mean Ctrl+Q on Linux and Cmd+Q
// on macOS; "&" in Text marks the mnemonic; a Text of "-" is a separator.
class MenuItem {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem &) = delete;
    MenuItem &operator=(const MenuItem &) = delete;

    const std::string &Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string &Text() const { return text_; }
    void SetText(std::string text);
    const std::string &KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(std::string shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool on) { autoEnable_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool EnabledWasSet() const { return enabledWasSet_; }

    virtual bool IsQuitItem() const { return false; }

    void Append(std::unique_ptr<MenuItem> item);
    int32_t Count() const { return static_cast<int32_t>(children_.size()); }
    MenuItem *Item(int32_t index) const;
    MenuItem *Child(std::string_view name) const; // direct children only
    MenuItem *_Lookup(std::string_view name) const; // this item and every level below

private:
    void Changed();

    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnable_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool enabledWasSet_ = false;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

} // namespace platform
