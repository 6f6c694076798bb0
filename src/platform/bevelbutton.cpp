#include "bevelbutton.h"

#include "controlimpl.h"
#include "textstyle.h"
#include "window.h"
#include "windowimpl.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

// A flat bar with its caption centred; it takes a press and does nothing.
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
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
};

class BevelButtonImpl : public ControlImpl {
public:
    explicit BevelButtonImpl(Window &owner) : ControlImpl(owner, new StripWidget(owner.Impl().frame.get()))
    {
        style.ApplyTo(Widget());
    }

    StripWidget *Widget() const { return static_cast<StripWidget *>(widget.data()); }

    std::string caption;
    detail::TextStyle style;
};

BevelButtonImpl &Of(const BevelButton &button) { return static_cast<BevelButtonImpl &>(button.Impl()); }

} // namespace

BevelButton::BevelButton(Window &owner, int32_t index)
    : Control(owner, index, std::make_unique<BevelButtonImpl>(owner))
{
}

BevelButton::~BevelButton() = default;

const std::string &BevelButton::Caption() const { return Of(*this).caption; }

void BevelButton::SetCaption(std::string caption)
{
    auto &impl = Of(*this);
    impl.caption = std::move(caption);
    if (impl.Widget()) {
        impl.Widget()->caption = QString::fromStdString(impl.caption);
        impl.Widget()->update();
    }
}

void BevelButton::SetTextSize(float pixels)
{
    Of(*this).style.size = pixels;
    Of(*this).style.ApplyTo(Of(*this).Widget());
}

void BevelButton::SetTextUnit(int32_t) {}

bool BevelButton::ApplyProperty(const Property &property)
{
    auto &impl = Of(*this);
    if (impl.style.Take(property)) {
        impl.style.ApplyTo(impl.Widget());
        return true;
    }
    if (property.name == "Caption")
        if (const std::string *text = std::get_if<std::string>(&property.value)) {
            SetCaption(*text);
            return true;
        }
    return false;
}

} // namespace platform
