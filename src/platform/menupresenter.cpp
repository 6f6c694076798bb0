#include "menupresenter.h"

#include "application.h"
#include "handlerscope.h"
#include "menubar.h"
#include "menuitem.h"
#include "runtime.h"
#include "window.h"
#include "windowimpl.h"
#include "windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace platform {
namespace detail {

const std::function<bool()> *ApplicationMenuHandler(std::string_view name);

namespace {

std::vector<Window *> g_activationOrder; // latest first

const std::function<bool()> *WindowMenuHandler(const Window &window, std::string_view name)
{
    const auto &handlers = window.Impl().menuHandlers;
    auto found = handlers.find(std::string(name));
    return found == handlers.end() ? nullptr : &found->second;
}

MenuBar *CurrentBar()
{
    Application *app = Application::Current();
    return app ? app->MenuBar() : nullptr;
}

bool IsQuitItemName(std::string_view name)
{
    MenuBar *bar = CurrentBar();
    MenuItem *item = bar ? bar->_Lookup(name) : nullptr;
    return item && item->IsQuitItem();
}

// "Cmd+Q" is Ctrl+Q in Qt's portable text, which Qt shows as Cmd+Q on macOS.
QKeySequence ShortcutOf(const std::string &text)
{
    QString portable = QString::fromStdString(text);
    portable.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"), Qt::CaseInsensitive);
    return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

bool IsSeparator(const MenuItem &item) { return item.Text() == "-"; }

// A menu item chosen from a menu, a shortcut or a test.
void ChooseItem(const std::string &name)
{
    if (!UnhandledExceptionRecorded())
        RunHandler(name.c_str(), [&] { DispatchMenuItem(name); });
}

// A global bar's actions answer their own keys; in a context menu the
// window's own actions do (see InstallShortcuts).
void FillMenu(QMenu &menu, const MenuItem &parent, bool global)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const MenuItem &item = *parent.Item(i);
        if (IsSeparator(item)) {
            menu.addSeparator()->setVisible(item.Visible());
            continue;
        }
        if (item.Count() > 0) {
            QMenu *sub = menu.addMenu(QString::fromStdString(item.Text()));
            sub->menuAction()->setVisible(item.Visible());
            FillMenu(*sub, item, global);
            continue;
        }
        QAction *action = menu.addAction(QString::fromStdString(item.Text()));
        action->setShortcut(ShortcutOf(item.KeyboardShortcut()));
        action->setShortcutContext(global ? Qt::ApplicationShortcut : Qt::WidgetShortcut);
        action->setMenuRole(item.IsQuitItem() ? QAction::QuitRole : QAction::NoRole);
        action->setVisible(item.Visible());
        action->setEnabled(ItemEnabled(item));
        const std::string name = item.Name();
        QObject::connect(action, &QAction::triggered, action, [name] { ChooseItem(name); });
    }
}

void CollectShortcutItems(const MenuItem &parent, std::vector<const MenuItem *> &out)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const MenuItem &item = *parent.Item(i);
        if (!item.KeyboardShortcut().empty() && !IsSeparator(item))
            out.push_back(&item);
        CollectShortcutItems(item, out);
    }
}

#ifdef Q_OS_MACOS
std::unique_ptr<QMenuBar> g_globalBar;
std::string g_globalBarBuilt;

// Names, texts and keys of every item: what the bar is built from. Shown and
// enabled states are refreshed each time a menu opens.
void DescribeItems(const MenuItem &parent, std::string &out)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const MenuItem &item = *parent.Item(i);
        out += item.Name() + '\t' + item.Text() + '\t' + item.KeyboardShortcut() + '\n';
        DescribeItems(item, out);
        out += '\n';
    }
}

void RebuildGlobalBar()
{
    MenuBar *bar = CurrentBar();
    std::string wanted;
    if (bar)
        DescribeItems(*bar, wanted);
    if (g_globalBar && wanted == g_globalBarBuilt)
        return;
    // Made anew, so that the menus of the old bar go with it, once the
    // event that may come from one of them has been handled.
    if (g_globalBar)
        g_globalBar.release()->deleteLater();
    g_globalBarBuilt = wanted;
    if (!bar)
        return;
    g_globalBar = std::make_unique<QMenuBar>(nullptr);
    for (int32_t i = 0; i < bar->Count(); ++i) {
        const MenuItem &menuItem = *bar->Item(i);
        QMenu *menu = g_globalBar->addMenu(QString::fromStdString(menuItem.Text()));
        menu->menuAction()->setVisible(menuItem.Visible());
        const MenuItem *source = &menuItem;
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, source] {
            if (!EnableMenuItems())
                return;
            menu->clear();
            FillMenu(*menu, *source, true);
        });
        FillMenu(*menu, menuItem, true);
    }
}
#endif

} // namespace

bool EnableMenuItems()
{
    if (UnhandledExceptionRecorded())
        return false;
    if (Application *app = Application::Current())
        return RunHandler("EnableMenuItems", [app] { app->Event_EnableMenuItems(); });
    return true;
}

bool ItemEnabled(const MenuItem &item)
{
    if (!item.AutoEnable())
        return item.Enabled();
    if (item.EnabledWasSet() && !item.Enabled())
        return false;
    const std::string &name = item.Name();
    if (ApplicationMenuHandler(name))
        return true;
    if (item.IsQuitItem()) {
        for (Window *window : OpenWindows())
            if (WindowMenuHandler(*window, name))
                return true;
        return false;
    }
    Window *front = FrontWindow();
    return front && WindowMenuHandler(*front, name);
}

bool DispatchMenuItem(std::string_view name)
{
    bool took = false;
    if (IsQuitItemName(name)) {
        // Every window may have its say before the program quits.
        std::vector<Window *> windows = OpenWindows();
        if (Window *front = FrontWindow()) {
            std::erase(windows, front);
            windows.insert(windows.begin(), front);
        }
        for (Window *window : windows) {
            if (!IsOpen(window))
                continue;
            if (const auto *handler = WindowMenuHandler(*window, name))
                took = (*handler)() || took;
        }
    } else if (Window *front = FrontWindow()) {
        if (const auto *handler = WindowMenuHandler(*front, name))
            took = (*handler)();
    }
    if (!took)
        if (const auto *handler = ApplicationMenuHandler(name))
            took = (*handler)();
    return took;
}

bool MenusAsContextMenu()
{
#ifdef Q_OS_MACOS
    return false;
#else
    MenuBar *bar = CurrentBar();
    return bar && bar->Count() > 0;
#endif
}

void OpenContextMenu(Window &window, const QPoint &globalPos)
{
    MenuBar *bar = CurrentBar();
    if (!bar)
        return;
    if (!EnableMenuItems() || !IsOpen(&window))
        return;
    WindowImpl &impl = window.Impl();
    if (impl.contextMenu)
        impl.contextMenu.release()->deleteLater();
    impl.contextMenu = std::make_unique<QMenu>(impl.frame.get());
    FillMenu(*impl.contextMenu, *bar, false);
    impl.contextMenu->popup(globalPos);
}

void InstallShortcuts(Window &window)
{
    WindowImpl &impl = window.Impl();
    MenuBar *bar = CurrentBar();
    std::vector<const MenuItem *> items;
    // A global menu bar answers the keys itself.
    if (bar && !impl.closing && MenusAsContextMenu())
        CollectShortcutItems(*bar, items);
    std::string wanted;
    for (const MenuItem *item : items)
        wanted += item->Name() + '\t' + item->KeyboardShortcut() + '\n';
    // Most changes (an item shown, a handler added) leave the keys as they
    // are; and the action whose key runs this must not go while it runs.
    if (wanted == impl.shortcutsInstalled && items.size() == impl.shortcutActions.size())
        return;
    for (auto &old : impl.shortcutActions) {
        old->setShortcut({}); // answers no key from now on
        old.release()->deleteLater();
    }
    impl.shortcutActions.clear();
    impl.shortcutsInstalled = wanted;
    for (const MenuItem *item : items) {
        auto action = std::make_unique<QAction>();
        action->setShortcut(ShortcutOf(item->KeyboardShortcut()));
        action->setShortcutContext(Qt::WindowShortcut);
        const std::string name = item->Name();
        QObject::connect(action.get(), &QAction::triggered, action.get(), [name] {
            if (!EnableMenuItems())
                return;
            MenuBar *bar = CurrentBar();
            const MenuItem *chosen = bar ? bar->_Lookup(name) : nullptr;
            if (chosen && chosen->Visible() && ItemEnabled(*chosen))
                ChooseItem(name);
        });
        impl.frame->addAction(action.get());
        impl.shortcutActions.push_back(std::move(action));
    }
}

void MenusChanged()
{
    for (Window *window : OpenWindows())
        InstallShortcuts(*window);
#ifdef Q_OS_MACOS
    RebuildGlobalBar();
#endif
}

Window *FrontWindow()
{
    const std::vector<Window *> open = OpenWindows();
    if (QWidget *active = QApplication::activeWindow())
        for (Window *window : open)
            if (window->Impl().frame.get() == active)
                return window;
    std::erase_if(g_activationOrder, [](Window *w) { return !IsOpen(w); });
    for (Window *window : g_activationOrder)
        if (window->Visible())
            return window;
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if ((*it)->Visible())
            return *it;
    return open.empty() ? nullptr : open.back();
}

void WindowActivated(Window &window)
{
    std::erase(g_activationOrder, &window);
    g_activationOrder.insert(g_activationOrder.begin(), &window);
}

void WindowClosed(Window &window) { std::erase(g_activationOrder, &window); }

} // namespace detail

namespace testing {

bool ChooseMenuItem(std::string_view itemName)
{
    bool took = false;
    if (!detail::EnableMenuItems())
        return false;
    // As the user would: a hidden or disabled item of the bar cannot be chosen.
    MenuBar *bar = detail::CurrentBar();
    if (const MenuItem *item = bar ? bar->_Lookup(itemName) : nullptr)
        if (!item->Visible() || !detail::ItemEnabled(*item))
            return false;
    RunHandler(std::string(itemName).c_str(), [&] { took = detail::DispatchMenuItem(itemName); });
    return took;
}

} // namespace testing

} // namespace platform
