#include "platform/windows/framewidget_p.h"

#include "platform/application/menupresenter_p.h"
#include "platform/application/runtime.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QToolTip>
#include <QWindow>

#include <string>

namespace platform {

namespace {

// The topmost widget at `pos` (in `parent`'s coordinates) with a tooltip,
// also among the labels that let the mouse through.
QWidget *ToolTipWidgetAt(QWidget *parent, QPoint pos)
{
    const QObjectList &children = parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto *child = qobject_cast<QWidget *>(*it);
        if (!child || child->isWindow() || child->isHidden() || !child->geometry().contains(pos))
            continue;
        if (QWidget *inner = ToolTipWidgetAt(child, pos - child->pos()))
            return inner;
        if (!child->toolTip().isEmpty())
            return child;
    }
    return nullptr;
}

void ReleaseOfAHiddenPressOwner(const QObject *receiver, QMouseEvent *event);
bool IgnoredSecondPress(const QObject *receiver, const QMouseEvent *event);

// Sees every press, double-click and release before any widget does: the
// second press of a double-click the window asked to be left alone is taken
// here, and a release that Qt may be about to drop is handed on.
class MouseChain : public QObject {
public:
    static MouseChain &Instance()
    {
        // A plain pointer, cleared as the chain goes: no static destructor.
        static MouseChain *chain = nullptr;
        if (!chain) { // once per QApplication, which owns it
            chain = new MouseChain(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(chain);
            QObject::connect(chain, &QObject::destroyed, [] { chain = nullptr; });
        }
        return *chain;
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonDblClick) {
            if (IgnoredSecondPress(receiver, static_cast<QMouseEvent *>(event)))
                return true;
            if (type == QEvent::MouseButtonRelease)
                ReleaseOfAHiddenPressOwner(receiver, static_cast<QMouseEvent *>(event));
        }
        return false;
    }

private:
    using QObject::QObject;
};

// Hands an event the window got straight to `target`, as Qt would have.
bool Forward(QMouseEvent *event, QWidget *frame, QWidget *target)
{
    QMouseEvent copy(event->type(), target->mapFrom(frame, event->position()), event->globalPosition(),
                     event->button(), event->buttons(), event->modifiers(), event->pointingDevice());
    copy.setTimestamp(event->timestamp());
    QCoreApplication::sendEvent(target, &copy);
    return copy.isAccepted();
}

// The frame whose window system's window that is, or none.
FrameWidget *FrameOf(const QObject *receiver)
{
    const auto *window = qobject_cast<const QWindow *>(receiver);
    if (!window)
        return nullptr;
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        auto *frame = dynamic_cast<FrameWidget *>(topLevel);
        if (frame && frame->windowHandle() == window)
            return frame;
    }
    return nullptr;
}

// Qt forgets the widget that took a press once it is hidden, and then gives
// the release to no widget at all. It comes to the window system's window
// first: the control that took the press gets it from there.
void ReleaseOfAHiddenPressOwner(const QObject *receiver, QMouseEvent *event)
{
    FrameWidget *frame = FrameOf(receiver);
    WindowImpl *impl = frame ? frame->impl : nullptr;
    if (!impl || impl->windowGrabbed || !impl->pressOwner || impl->pressOwner->isVisible())
        return;
    QWidget *owner = impl->pressOwner;
    impl->pressOwner = nullptr;
    Forward(event, frame, owner);
}

// The second press of a double-click whose first the window asked to be
// left alone, with its double-click event and its release: taken before any
// widget sees them.
bool IgnoredSecondPress(const QObject *receiver, const QMouseEvent *event)
{
    FrameWidget *frame = FrameOf(receiver);
    WindowImpl *impl = frame ? frame->impl : nullptr;
    if (!impl)
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        if (impl->ignoredButton != event->button())
            return false;
        impl->ignoredButton = Qt::NoButton;
        return true;
    }
    if (!impl->doubleClickIgnored)
        return false;
    const WindowImpl::PressMark first = *impl->doubleClickIgnored;
    const QStyleHints *hints = QGuiApplication::styleHints();
    const bool inTime = event->timestamp() >= first.timestamp
                        && event->timestamp() - first.timestamp <= quint64(hints->mouseDoubleClickInterval());
    const bool near = (event->globalPosition() - first.globalPosition).manhattanLength()
                      <= hints->mouseDoubleClickDistance();
    if (!inTime || !near) {
        if (!inTime)
            impl->doubleClickIgnored.reset();
        return false;
    }
    impl->ignoredButton = event->button();
    return true;
}

} // namespace

FrameWidget::FrameWidget(WindowImpl *impl) : impl(impl)
{
    MouseChain::Instance();
    setMouseTracking(true);
    setAutoFillBackground(true);
    // A desk calendar mostly sits inactive; its tooltips show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

bool FrameWidget::event(QEvent *event)
{
    if (impl) {
        if (event->type() == QEvent::WindowActivate)
            detail::WindowActivated(impl->owner);
        if (event->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(event);
            if (QWidget *tipped = ToolTipWidgetAt(this, help->pos())) {
                QToolTip::showText(help->globalPos(), tipped->toolTip(), tipped);
                return true;
            }
        }
    }
    return QWidget::event(event);
}

void FrameWidget::closeEvent(QCloseEvent *event)
{
    if (impl && !impl->closing)
        impl->CloseRequested(false);
    // Accepted only when the window went: CancelClose may have refused.
    event->setAccepted(!impl || impl->closing);
}

void FrameWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (impl)
        impl->ContentResized(); // also when the user or the window manager resized it
}

void FrameWidget::mousePressEvent(QMouseEvent *event)
{
    if (!impl || impl->closing) {
        event->ignore();
        return;
    }
    if (event->buttons() & ~event->button()) {
        // Another button is held: its press goes on alone, and this one
        // neither opens the menu nor reaches a handler.
        event->accept();
        return;
    }
    if (event->button() == Qt::RightButton && detail::MenusAsContextMenu(impl->owner)) {
        event->accept();
        detail::OpenContextMenu(impl->owner, event->globalPosition().toPoint());
        return;
    }
    const QPoint at = mapFromGlobal(event->globalPosition()).toPoint();
    bool took = false;
    WindowImpl *self = impl;
    self->pressRunning = WindowImpl::PressMark{event->timestamp(), event->globalPosition()};
    RunHandler(self->EventName("MouseDown").c_str(),
               [&] { took = self->owner.Event_MouseDown(at.x(), at.y()); });
    self->pressRunning.reset();
    self->windowGrabbed = took;
    self->pressButton = event->button();
    self->pressOwner = nullptr;
    event->setAccepted(took);
}

void FrameWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (impl && (impl->windowGrabbed || impl->pressOwner) && event->button() != impl->pressButton) {
        event->accept(); // another button's: the press goes on
        return;
    }
    if (impl && !impl->windowGrabbed && impl->pressOwner) {
        // The control that took the press gets its release, wherever it is
        // and whichever way it came here.
        QWidget *owner = impl->pressOwner;
        impl->pressOwner = nullptr;
        event->setAccepted(Forward(event, this, owner));
        return;
    }
    if (!impl || !impl->windowGrabbed) {
        event->ignore();
        return;
    }
    impl->windowGrabbed = false;
    event->accept();
    // Where the window stands now: a mouse-down handler may have moved it.
    const QPoint at = mapFromGlobal(event->globalPosition()).toPoint();
    WindowImpl *self = impl;
    RunHandler(self->EventName("MouseUp").c_str(), [&] { self->owner.Event_MouseUp(at.x(), at.y()); });
}

void FrameWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!impl || event->buttons() != Qt::NoButton)
        return;
    const QPoint at = mapFromGlobal(event->globalPosition()).toPoint();
    WindowImpl *self = impl;
    RunHandler(self->EventName("MouseMove").c_str(), [&] { self->owner.Event_MouseMove(at.x(), at.y()); });
}

void FrameWidget::enterEvent(QEnterEvent *)
{
    if (WindowImpl *self = impl)
        RunHandler(self->EventName("MouseEnter").c_str(), [self] { self->owner.Event_MouseEnter(); });
}

void FrameWidget::leaveEvent(QEvent *)
{
    if (WindowImpl *self = impl)
        RunHandler(self->EventName("MouseExit").c_str(), [self] { self->owner.Event_MouseExit(); });
}

} // namespace platform
