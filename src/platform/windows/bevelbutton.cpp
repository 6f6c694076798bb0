#include "platform/windows/bevelbutton.h"

#include "platform/windows/captionedcontrolimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

// A flat bar with its caption centred; it takes a left press and does
// nothing. Other buttons go on to the window (a right-click opens the menus).
class StripWidget : public QWidget {
public:
    using QWidget::QWidget;
    QString caption;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = rect();
        painter.fillRect(area, palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(area, Qt::AlignCenter, caption);
    }
    void mousePressEvent(QMouseEvent *event) override { event->setAccepted(event->button() == Qt::LeftButton); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->setAccepted(event->button() == Qt::LeftButton); }
};

class BevelButtonImpl : public CaptionedControlImpl {
public:
    explicit BevelButtonImpl(Window &owner) : CaptionedControlImpl(owner, new StripWidget(owner.Impl().frame.get())) {}

    StripWidget *Widget() const { return static_cast<StripWidget *>(widget.data()); }

    void ShowCaption() override
    {
        if (Widget()) {
            Widget()->caption = QString::fromStdString(caption);
            Widget()->update();
        }
    }
};

} // namespace

BevelButton::BevelButton(Window &owner, int32_t index)
    : CaptionedControl(index, std::make_unique<BevelButtonImpl>(owner))
{
}

BevelButton::~BevelButton() = default;

} // namespace platform
