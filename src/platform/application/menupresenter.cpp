#include "platform/application/menupresenter_p.h"

#include "platform/application/application.h"
#include "platform/application/handlerscope_p.h"
#include "platform/application/menubar.h"
#include "platform/application/menuitem.h"
#include "platform/application/runtime.h"
#include "platform/application/testing.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"
#include "platform/windows/windowregistry_p.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
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

// An item chosen with its key, or from a global bar (whose platform may
// also answer keys): its state is brought up to date first, and a hidden or
// disabled item does nothing.
void ChooseCheckedItem(const std::string &name)
{
    if (!EnableMenuItems())
        return;
    MenuBar *bar = CurrentBar();
    const MenuItem *chosen = bar ? bar->_Lookup(name) : nullptr;
    if (chosen && chosen->Visible() && ItemEnabled(*chosen))
        ChooseItem(name);
}

// The menus show each item's key; the window's own actions answer it (see
// InstallMenus), so that it works the same in every window and mode.
void FillMenu(QMenu &menu, const MenuItem &parent, const std::function<void(const std::string &)> &choose)
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
            FillMenu(*sub, item, choose);
            continue;
        }
        QAction *action = menu.addAction(QString::fromStdString(item.Text()));
        action->setShortcut(ShortcutOf(item.KeyboardShortcut()));
        action->setShortcutContext(Qt::WidgetShortcut); // shown, never matched
        action->setMenuRole(item.IsQuitItem() ? QAction::QuitRole : QAction::NoRole);
        action->setVisible(item.Visible());
        action->setEnabled(ItemEnabled(item));
        const std::string name = item.Name();
        QObject::connect(action, &QAction::triggered, action, [name, choose] { choose(name); });
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

std::optional<bool> g_globalBarForced;

// Qt's own Unix themes export the menus when a menu registrar is on the
// session bus.
bool MenuRegistrarRunning()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusConnectionInterface *names = bus.isConnected() ? bus.interface() : nullptr;
    return names && names->isServiceRegistered(QStringLiteral("com.canonical.AppMenu.Registrar")).value();
}

// Whether the platform shows menu bars outside the windows: on macOS, and on
// a Linux desktop that exports them. On X11 and Wayland the bus is asked as
// Qt asks it, because a QMenuBar made before the first paint reads its
// extension icon, and that first picture read scans every image plugin.
// Elsewhere a parentless bar asks Qt, so that no bar that turns out not to
// be native ever enters a window.
bool AskGlobalBarAvailable()
{
#ifndef Q_OS_MACOS
    if (QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar))
        return false;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return MenuRegistrarRunning();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
#endif
    return QMenuBar().isNativeMenuBar();
}

bool GlobalBarAvailable()
{
    if (g_globalBarForced)
        return *g_globalBarForced;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    static const bool available = AskGlobalBarAvailable();
    return available;
}

// Names, texts and keys of every item: what a global bar is built from.
// Shown and enabled states are refreshed each time one of its menus opens.
void DescribeItems(const MenuItem &parent, std::string &out)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const MenuItem &item = *parent.Item(i);
        out += item.Name() + '\t' + item.Text() + '\t' + item.KeyboardShortcut() + '\n';
        DescribeItems(item, out);
        out += '\n';
    }
}

// The menus of the bar in Qt's own bar, filled again as each one opens.
std::unique_ptr<QMenuBar> MakeGlobalBar(const MenuBar &bar)
{
    auto qtBar = std::make_unique<QMenuBar>();
    for (int32_t i = 0; i < bar.Count(); ++i) {
        const MenuItem &menuItem = *bar.Item(i);
        QMenu *menu = qtBar->addMenu(QString::fromStdString(menuItem.Text()));
        menu->menuAction()->setVisible(menuItem.Visible());
        FillMenu(*menu, menuItem, ChooseCheckedItem);
        // Looked up by name when it opens: the bar may have changed since.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, name = menuItem.Name()] {
            if (!EnableMenuItems())
                return;
            MenuBar *current = CurrentBar();
            const MenuItem *source = current ? current->Child(name) : nullptr;
            menu->clear();
            if (source)
                FillMenu(*menu, *source, ChooseCheckedItem);
        });
    }
    return qtBar;
}

// A window's copy of the global bar. It is attached to the window (a Linux
// desktop knows each menu bar by its window) and takes no room in it: a
// native bar is never drawn there, and one that Qt does not report native
// is dropped, so the menus open from a right-click instead. Only a test
// that pretends the platform has a global bar keeps one that is not
// native, hidden.
void InstallGlobalBar(WindowImpl &impl)
{
    MenuBar *bar = CurrentBar();
    const bool wanted = bar && bar->Count() > 0 && !impl.closing && GlobalBarAvailable();
    std::string description;
    if (wanted)
        DescribeItems(*bar, description);
    if (wanted == bool(impl.globalBar) && description == impl.globalBarBuilt)
        return;
    // Made anew, so that the menus of the old bar go with it, once the
    // event that may come from one of them has been handled.
    if (impl.globalBar)
        impl.globalBar.release()->deleteLater();
    impl.globalBarBuilt.clear();
    if (!wanted)
        return;
    std::unique_ptr<QMenuBar> qtBar = MakeGlobalBar(*bar);
    if (!qtBar->isNativeMenuBar() && !g_globalBarForced)
        return;
    qtBar->setParent(impl.frame.get());
    qtBar->hide();
    impl.globalBar = std::move(qtBar);
    impl.globalBarBuilt = std::move(description);
}

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

bool MenusAsContextMenu(const Window &window)
{
    MenuBar *bar = CurrentBar();
    return bar && bar->Count() > 0 && !window.Impl().globalBar;
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
    FillMenu(*impl.contextMenu, *bar, ChooseItem);
    impl.contextMenu->popup(globalPos);
}

void InstallMenus(Window &window)
{
    WindowImpl &impl = window.Impl();
    InstallGlobalBar(impl);
    MenuBar *bar = CurrentBar();
    std::vector<const MenuItem *> items;
    if (bar && !impl.closing)
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
        QObject::connect(action.get(), &QAction::triggered, action.get(), [name] { ChooseCheckedItem(name); });
        impl.frame->addAction(action.get());
        impl.shortcutActions.push_back(std::move(action));
    }
}

void MenusChanged()
{
    for (Window *window : OpenWindows())
        InstallMenus(*window);
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

void SetGlobalMenuBar(std::optional<bool> available)
{
    detail::g_globalBarForced = available;
    detail::MenusChanged();
}

QWidget *GlobalMenuBarOf(const Window &window) { return window.Impl().globalBar.get(); }

} // namespace testing

} // namespace platform
