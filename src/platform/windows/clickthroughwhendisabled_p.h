#pragma once

// Inside the platform layer only.

#include <QEvent>

namespace platform::detail {

// Qt's buttons swallow the mouse while disabled; ours let a press through
// to what lies beneath, down to the window, as every disabled control does.
template <class Button>
class ClickThroughWhenDisabled : public Button {
public:
    using Button::Button;

protected:
    bool event(QEvent *event) override
    {
        if (!this->isEnabled()) {
            switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                event->ignore();
                return false;
            default:
                break;
            }
        }
        return Button::event(event);
    }
};

} // namespace platform::detail
