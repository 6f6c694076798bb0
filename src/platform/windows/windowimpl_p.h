#pragma once

// Inside the platform layer only: a window's Qt side and its registries.

#include "platform/drawing/color.h"
#include "platform/windows/framewidget_p.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace platform {

class Control;
class Window;

class WindowImpl {
public:
    WindowImpl(Window &owner, std::string className);
    ~WindowImpl();

    // "Window1.MouseDown": how a running handler is named in an error.
    std::string EventName(const char *event) const { return className + "." + event; }

    Window &owner;
    std::string className;
    std::string title;
    Color backColor{0xFFFFFF};
    bool hasBackColor = false;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = false;
    bool resizeable = false;
    std::optional<QPoint> requestedPosition;
    QPoint placedPosition;
    double opacity = 1.0; // as Qt holds it, without its rounding to 256 steps

    // While opening, Show and Hide only record the wish; it is applied
    // after Open so that nothing is drawn before.
    bool opening = false;
    bool wantVisible = true;
    bool controlsOpened = false;
    bool opened = false;  // Open has ended
    bool closing = false; // closed, waiting to be destroyed
    bool windowGrabbed = false; // the window took the press in progress
    QPointer<QWidget> pressOwner; // or the control that took it
    Qt::MouseButton pressButton = Qt::NoButton; // only its release ends the press
    // The press that the window's MouseDown handler is running for.
    struct PressMark {
        quint64 timestamp = 0;
        QPointF globalPosition;
    };
    std::optional<PressMark> pressRunning;
    std::optional<PressMark> doubleClickIgnored; // its second press goes nowhere
    Qt::MouseButton ignoredButton = Qt::NoButton; // whose release goes nowhere too

    // Declared before `controls`, so destroyed after them: the controls'
    // widgets (and the menus below) live inside it.
    std::unique_ptr<FrameWidget> frame;
    std::map<std::string, std::function<bool()>> menuHandlers;
    std::vector<std::unique_ptr<Control>> controls;
    std::vector<std::unique_ptr<QAction>> shortcutActions;
    std::string shortcutsInstalled; // what shortcutActions answer, to rebuild only on change
    std::unique_ptr<QMenu> contextMenu;
    // The menu bar the platform shows outside this window, or none.
    std::unique_ptr<QMenuBar> globalBar;
    std::string globalBarBuilt; // what globalBar was built from, to rebuild only on change

    void ApplyFlags();
    void ApplyBackColor();
    void SetSize(int width, int height);
    // After any change of size: controls outside the window give up the
    // focus, and a window whose controls come into view with nothing focused
    // focuses the first of them, as on its activation.
    void ContentResized();
    void SetPosition(int left, int top);
    // The position code set, as long as only the platform's own correction
    // (keeping the frame on screen) has moved the window since.
    QPoint Position() const;
    // Shows the frame; a correction of the position on showing is the platform's.
    void ShowFrame();

    // The close box and Close(): CancelClose, Close, then destroyed.
    void CloseRequested(bool fromCode);
    // Takes the window off the registry and destroys it once idle.
    void Dispose();
    // Lets the menu and the shortcuts go once the event that may be using
    // them (a chosen item, a pressed shortcut) has been handled.
    void DropMenus();
};

} // namespace platform
