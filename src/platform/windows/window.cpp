#include "platform/windows/window.h"

#include "platform/application/handlerscope_p.h"
#include "platform/application/lasting.h"
#include "platform/application/menupresenter_p.h"
#include "platform/application/runtime.h"
#include "platform/application/testing.h"
#include "platform/windows/control.h"
#include "platform/windows/controlimpl_p.h"
#include "platform/windows/windowimpl_p.h"
#include "platform/windows/windowregistry_p.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

std::vector<std::unique_ptr<Window>> &Registry()
{
    static Lasting<std::vector<std::unique_ptr<Window>>> windows;
    return *windows;
}

// Closed windows, destroyed once no handler runs.
std::vector<std::unique_ptr<Window>> &Closed()
{
    static Lasting<std::vector<std::unique_ptr<Window>>> windows;
    return *windows;
}

void ReapClosed() { Closed().clear(); }

template <class T>
const T *ValueOf(const Property &property)
{
    return std::get_if<T>(&property.value);
}

} // namespace

namespace detail {

std::vector<Window *> OpenWindows()
{
    std::vector<Window *> open;
    for (const auto &window : Registry())
        open.push_back(window.get());
    return open;
}

bool IsOpen(const Window *window)
{
    return std::any_of(Registry().begin(), Registry().end(),
                       [window](const auto &w) { return w.get() == window; });
}

} // namespace detail

// ---- WindowImpl

WindowImpl::WindowImpl(Window &owner, std::string className)
    : owner(owner), className(std::move(className)), frame(std::make_unique<FrameWidget>(this))
{
    frame->setMinimumSize(0, 0);
    ApplyFlags();
}

WindowImpl::~WindowImpl()
{
    frame->impl = nullptr;
    globalBar.reset();
    contextMenu.reset();
    shortcutActions.clear();
    controls.clear();
}

void WindowImpl::ApplyFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint;
    if (closeButton)
        flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (frame->windowFlags() == flags)
        return;
    const bool shown = frame->isVisible();
    frame->setWindowFlags(flags);
    if (shown)
        ShowFrame();
}

void WindowImpl::ApplyBackColor()
{
    QPalette palette = frame->palette();
    const QColor color = hasBackColor
                             ? QColor(backColor.Red(), backColor.Green(), backColor.Blue())
                             : QApplication::palette().color(QPalette::Window);
    palette.setColor(QPalette::Window, color);
    frame->setPalette(palette);
}

void WindowImpl::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (resizeable) {
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame->resize(width, height);
    } else {
        frame->setFixedSize(width, height); // the user cannot resize it
    }
    ContentResized();
}

void WindowImpl::ContentResized()
{
    bool cameIntoView = false;
    QWidget *focused = frame->focusWidget();
    for (const auto &control : controls) {
        ControlImpl &impl = control->Impl();
        cameIntoView |= impl.UpdateFocusPolicy();
        if (focused && impl.widget && !impl.InsideWindow()
            && (impl.widget == focused || impl.widget->isAncestorOf(focused))) {
            focused->clearFocus();
            focused = nullptr;
        }
    }
    if (cameIntoView && opened && !closing && (!focused || focused == frame.get()))
        frame->FocusFirstControl();
}

void WindowImpl::SetPosition(int left, int top)
{
    // The content area's place; Qt adds the frame around it.
    frame->setGeometry(left, top, frame->width(), frame->height());
    requestedPosition = QPoint(left, top);
    placedPosition = frame->geometry().topLeft();
}

void WindowImpl::ShowFrame()
{
    const bool asPlaced = requestedPosition && frame->geometry().topLeft() == placedPosition;
    frame->show();
    if (asPlaced)
        placedPosition = frame->geometry().topLeft();
}

QPoint WindowImpl::Position() const
{
    const QPoint actual = frame->geometry().topLeft();
    if (requestedPosition && actual == placedPosition)
        return *requestedPosition;
    return actual; // moved since, by the user or the window manager
}

void WindowImpl::CloseRequested(bool fromCode)
{
    auto close = [this] {
        if (closing || owner.Event_CancelClose(false))
            return;
        owner.Event_Close();
        Dispose();
    };
    if (fromCode)
        detail::CallHandler(close);
    else
        RunHandler(EventName("Close").c_str(), close);
}

void WindowImpl::DropMenus()
{
    if (globalBar)
        globalBar.release()->deleteLater();
    globalBarBuilt.clear();
    if (contextMenu)
        contextMenu.release()->deleteLater();
    for (auto &action : shortcutActions) {
        action->setShortcut({});
        action.release()->deleteLater();
    }
    shortcutActions.clear();
    shortcutsInstalled.clear();
}

void WindowImpl::Dispose()
{
    if (closing)
        return;
    closing = true;
    frame->hide();
    DropMenus();
    for (const auto &control : controls)
        control->Impl().WindowClosed();
    detail::WindowClosed(owner);
    auto &registry = Registry();
    auto found = std::find_if(registry.begin(), registry.end(),
                              [this](const auto &w) { return w.get() == &owner; });
    if (found != registry.end()) {
        Closed().push_back(std::move(*found));
        registry.erase(found);
    }
    detail::WhenIdle(&ReapClosed);
}

// ---- Window

Window::Window(std::string className)
    : impl_(std::make_unique<WindowImpl>(*this, std::move(className)))
{
}

Window::~Window() = default;

const std::string &Window::ClassName() const { return impl_->className; }

int32_t Window::Left() const { return impl_->Position().x(); }
int32_t Window::Top() const { return impl_->Position().y(); }
int32_t Window::Width() const { return impl_->frame->width(); }
int32_t Window::Height() const { return impl_->frame->height(); }
void Window::SetLeft(int32_t left) { impl_->SetPosition(left, Top()); }
void Window::SetTop(int32_t top) { impl_->SetPosition(Left(), top); }
void Window::SetWidth(int32_t width) { impl_->SetSize(width, Height()); }
void Window::SetHeight(int32_t height) { impl_->SetSize(Width(), height); }

const std::string &Window::Title() const { return impl_->title; }

void Window::SetTitle(std::string title)
{
    impl_->title = std::move(title);
    impl_->frame->setWindowTitle(QString::fromStdString(impl_->title));
}

Color Window::BackColor() const { return impl_->backColor; }

void Window::SetBackColor(Color color)
{
    impl_->backColor = color;
    impl_->ApplyBackColor();
}

bool Window::HasBackColor() const { return impl_->hasBackColor; }

bool Window::Visible() const
{
    if (impl_->opening)
        return impl_->wantVisible;
    return impl_->frame->isVisible();
}

void Window::Show()
{
    if (impl_->closing)
        return;
    if (impl_->opening) {
        impl_->wantVisible = true;
        return;
    }
    impl_->ShowFrame();
    impl_->frame->raise();
    impl_->frame->activateWindow();
    detail::WindowActivated(*this);
}

void Window::Hide()
{
    if (impl_->opening) {
        impl_->wantVisible = false;
        return;
    }
    impl_->frame->hide();
}

void Window::Close()
{
    if (!impl_->closing)
        impl_->CloseRequested(true);
}

void *Window::Handle() const { return reinterpret_cast<void *>(impl_->frame->winId()); }

void Window::IgnoreDoubleClickOfThisPress() { impl_->doubleClickIgnored = impl_->pressRunning; }

void Window::_SetProperties(const PropertyList &properties)
{
    WindowImpl &impl = *impl_;
    int width = Width();
    int height = Height();
    for (const Property &property : properties) {
        const std::string &name = property.name;
        if (const bool *flag = ValueOf<bool>(property)) {
            if (name == "HasBackColor")
                impl.hasBackColor = *flag;
            else if (name == "Visible")
                impl.wantVisible = *flag;
            else if (name == "CloseButton")
                impl.closeButton = *flag;
            else if (name == "MinimizeButton")
                impl.minimizeButton = *flag;
            else if (name == "MaximizeButton")
                impl.maximizeButton = *flag;
            else if (name == "Resizeable")
                impl.resizeable = *flag;
        } else if (const int32_t *number = ValueOf<int32_t>(property)) {
            if (name == "Width")
                width = *number;
            else if (name == "Height")
                height = *number;
        } else if (const std::string *text = ValueOf<std::string>(property)) {
            if (name == "Title")
                SetTitle(*text);
        } else if (const Color *color = ValueOf<Color>(property)) {
            if (name == "BackColor")
                impl.backColor = *color;
        }
    }
    impl.ApplyFlags();
    impl.ApplyBackColor();
    impl.SetSize(width, height);
    if (!impl.opening && impl.wantVisible != impl.frame->isVisible())
        impl.wantVisible ? Show() : Hide();
}

Control &Window::_AddControl(std::unique_ptr<Control> control, std::string name)
{
    control->impl_->name = std::move(name);
    impl_->controls.push_back(std::move(control));
    return *impl_->controls.back();
}

Control *Window::_ControlByName(std::string_view name) const
{
    for (const auto &control : impl_->controls)
        if (control->Name() == name)
            return control.get();
    return nullptr;
}

Control *Window::_ControlByNameIndex(std::string_view name, int32_t index) const
{
    for (const auto &control : impl_->controls)
        if (control->Name() == name && control->Index() == index)
            return control.get();
    return nullptr;
}

void Window::_AddMenuHandler(std::string itemName, std::function<bool()> handler)
{
    impl_->menuHandlers[std::move(itemName)] = std::move(handler);
    detail::MenusChanged();
}

bool Window::Event_CancelClose(bool) { return false; }
bool Window::Event_MouseDown(int32_t, int32_t) { return false; }
void Window::Event_MouseUp(int32_t, int32_t) {}
void Window::Event_MouseMove(int32_t, int32_t) {}

Window *FindWindow(std::string_view className)
{
    for (const auto &window : Registry())
        if (window->ClassName() == className && !window->Impl().closing)
            return window.get();
    return nullptr;
}

Window &OpenWindow(std::unique_ptr<Window> window)
{
    Window &w = *window;
    WindowImpl &impl = w.Impl();
    Registry().push_back(std::move(window));
    impl.opening = true;
    detail::CallHandler([&] {
        w.Layout();
        w.CreateControls();
        w.AddMenuHandlers();
    });
    detail::InstallMenus(w);
    detail::CallHandler([&] {
        impl.controlsOpened = true;
        // Controls made by an Open handler run their Open when bound.
        const size_t made = impl.controls.size();
        for (size_t i = 0; i < made && i < impl.controls.size(); ++i)
            impl.controls[i]->Impl().WindowOpened();
        w.Event_Open();
    });
    impl.opening = false;
    impl.opened = true;
    if (!impl.closing) {
        if (impl.wantVisible) {
            impl.ShowFrame();
            detail::WindowActivated(w);
        }
        for (const auto &control : impl.controls)
            control->Impl().OpenEnded();
    }
    return w;
}

namespace testing {

QWidget *WidgetOf(const Window &window) { return window.Impl().frame.get(); }

double OpacityOf(const Window &window) { return window.Impl().opacity; }

void DestroyAllWindows()
{
    for (const auto &window : Registry())
        detail::WindowClosed(*window);
    auto open = std::exchange(Registry(), {});
    open.clear();
    ReapClosed();
}

} // namespace testing

} // namespace platform
