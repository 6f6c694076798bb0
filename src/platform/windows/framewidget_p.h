#pragma once

// Inside the platform layer only.

#include <QWidget>

namespace platform {

class WindowImpl;

// The top-level widget; it is also the content area, so its coordinates
// are the window's.
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(WindowImpl *impl);
    WindowImpl *impl; // cleared when the window goes

    // The first control of the tab chain takes the focus, if any can.
    void FocusFirstControl() { focusNextPrevChild(true); }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

} // namespace platform
