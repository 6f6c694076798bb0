// The menu bar: File, then Edit. Only Preferences and Quit have handlers.

#include "app/mainmenubar.h"

#include "platform/application/exceptions.h"
#include "platform/application/lasting.h"
#include "platform/application/menuitem.h"
#include "platform/application/quitmenuitem.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tovy {

namespace {

std::unique_ptr<MainMenuBar> &TheInstance()
{
    static platform::Lasting<std::unique_ptr<MainMenuBar>> instance;
    return *instance;
}

// The properties in the order they are set; a separator gets no shortcut
// at all, a menu and "&Delete" an empty one.
void Describe(platform::MenuItem &item, std::string name, std::string text,
              std::optional<std::string> shortcut)
{
    item.SetName(std::move(name));
    item.SetAutoEnable(true);
    item.SetText(std::move(text));
    item.SetVisible(true);
    if (shortcut)
        item.SetKeyboardShortcut(std::move(*shortcut));
}

template <class Item = platform::MenuItem>
void AddItem(MainMenuBar &bar, std::string_view menuName, std::string name, std::string text,
             std::optional<std::string> shortcut)
{
    auto item = std::make_unique<Item>();
    Describe(*item, std::move(name), std::move(text), std::move(shortcut));
    platform::MenuItem *menu = bar.Child(menuName);
    if (menu == nullptr)
        throw platform::NilObjectException("no menu " + std::string(menuName));
    menu->Append(std::move(item));
}

void AddMenu(MainMenuBar &bar, std::string name, std::string text)
{
    auto menu = std::make_unique<platform::MenuItem>();
    Describe(*menu, std::move(name), std::move(text), std::string());
    bar.Append(std::move(menu));
}

constexpr std::nullopt_t kNoShortcut = std::nullopt;

} // namespace

MainMenuBar::MainMenuBar()
{
    Untitled0();
    Untitled1();
}

MainMenuBar &MainMenuBar::Instance()
{
    std::unique_ptr<MainMenuBar> &instance = TheInstance();
    if (!instance)
        instance = std::make_unique<MainMenuBar>();
    return *instance;
}

void MainMenuBar::Release()
{
    TheInstance().reset();
}

void MainMenuBar::Untitled0()
{
    AddMenu(*this, "FileMenu", "&File");
    // Three ASCII full stops, not an ellipsis character.
    AddItem(*this, "FileMenu", "My_Pref", "設定...", "Cmd+,");
    AddItem<platform::QuitMenuItem>(*this, "FileMenu", "FileQuit", "&Quit", "Cmd+Q");
}

void MainMenuBar::Untitled1()
{
    AddMenu(*this, "EditMenu", "&Edit");
    AddItem(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
    AddItem(*this, "EditMenu", "EditSeparator1", "-", kNoShortcut);
    AddItem(*this, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
    AddItem(*this, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
    AddItem(*this, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
    AddItem(*this, "EditMenu", "EditClear", "&Delete", std::string());
    AddItem(*this, "EditMenu", "EditSeparator2", "-", kNoShortcut);
    AddItem(*this, "EditMenu", "EditSelectAll", "Select &All", "Cmd+A");
}

} // namespace tovy
