#include "platform/windows/canvas.h"

#include "platform/application/runtime.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"
#include "platform/windows/controlimpl_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

class CanvasImpl;

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget *parent) : QWidget(parent) { setMouseTracking(true); }

    CanvasImpl *impl = nullptr;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

class CanvasImpl : public ControlImpl {
public:
    explicit CanvasImpl(Window &owner) : ControlImpl(owner, new CanvasWidget(owner.Impl().frame.get()))
    {
        Widget()->impl = this;
    }

    ~CanvasImpl() override
    {
        if (Widget())
            Widget()->impl = nullptr;
    }

    CanvasWidget *Widget() const { return static_cast<CanvasWidget *>(widget.data()); }
    Canvas &Self() const { return static_cast<Canvas &>(*control); }
    std::string EventName(const char *event) const { return name + "." + event; }

    std::shared_ptr<Picture> backdrop;
    bool transparent = true;
    bool grabbed = false; // MouseDown returned true: the MouseUp is ours
    std::function<bool(Canvas &, int32_t, int32_t)> onMouseDown;
    std::function<void(Canvas &, int32_t, int32_t)> onMouseUp;
    std::function<void(Canvas &, int32_t, int32_t)> onMouseMove;
    std::function<void(Canvas &)> onMouseEnter;
    std::function<void(Canvas &)> onMouseExit;
};

CanvasImpl &Of(const Canvas &canvas) { return static_cast<CanvasImpl &>(canvas.Impl()); }

bool CanvasWidget::event(QEvent *event)
{
    // Qt drops the mouse events of a disabled widget; the release of a press
    // the canvas took is still its own.
    if (event->type() == QEvent::MouseButtonRelease && !isEnabled() && impl && impl->grabbed) {
        mouseReleaseEvent(static_cast<QMouseEvent *>(event));
        return true;
    }
    return QWidget::event(event);
}

void CanvasWidget::paintEvent(QPaintEvent *)
{
    if (!impl || !impl->backdrop)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, impl->backdrop->Data().Shown());
}

void CanvasWidget::mousePressEvent(QMouseEvent *event)
{
    CanvasImpl *self = impl;
    // A right-click belongs to the window's menu, a refused press and a press
    // while another button is held to the window.
    if (!self || event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton || !self->onMouseDown) {
        event->ignore();
        return;
    }
    const QPoint at = mapFromGlobal(event->globalPosition()).toPoint();
    bool took = false;
    RunHandler(self->EventName("MouseDown").c_str(),
               [&] { took = self->onMouseDown(self->Self(), at.x(), at.y()); });
    if (impl != self) { // the canvas went during its handler
        event->accept();
        return;
    }
    self->grabbed = took;
    if (took) {
        self->owner.Impl().pressOwner = this;
        self->owner.Impl().pressButton = Qt::LeftButton;
    }
    event->setAccepted(took);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent *event)
{
    CanvasImpl *self = impl;
    if (!self || !self->grabbed) {
        event->ignore(); // on to the window, which may have taken the press
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->accept(); // another button's: the press goes on
        return;
    }
    self->grabbed = false;
    if (self->owner.Impl().pressOwner == this)
        self->owner.Impl().pressOwner = nullptr;
    event->accept();
    if (!self->onMouseUp)
        return;
    const QPoint at = mapFromGlobal(event->globalPosition()).toPoint();
    RunHandler(self->EventName("MouseUp").c_str(), [&] { self->onMouseUp(self->Self(), at.x(), at.y()); });
}

void CanvasWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore(); // the window sees the move too
    CanvasImpl *self = impl;
    if (!self || event->buttons() != Qt::NoButton || !self->onMouseMove)
        return;
    const QPoint at = mapFromGlobal(event->globalPosition()).toPoint();
    RunHandler(self->EventName("MouseMove").c_str(), [&] { self->onMouseMove(self->Self(), at.x(), at.y()); });
}

void CanvasWidget::enterEvent(QEnterEvent *)
{
    CanvasImpl *self = impl;
    if (self && self->onMouseEnter)
        RunHandler(self->EventName("MouseEnter").c_str(), [self] { self->onMouseEnter(self->Self()); });
}

void CanvasWidget::leaveEvent(QEvent *)
{
    CanvasImpl *self = impl;
    if (self && self->onMouseExit)
        RunHandler(self->EventName("MouseExit").c_str(), [self] { self->onMouseExit(self->Self()); });
}

} // namespace

Canvas::Canvas(Window &owner, int32_t index) : Control(index, std::make_unique<CanvasImpl>(owner)) {}
Canvas::~Canvas() = default;

const std::shared_ptr<Picture> &Canvas::Backdrop() const { return Of(*this).backdrop; }

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture)
{
    auto &impl = Of(*this);
    impl.backdrop = std::move(picture);
    if (impl.Widget())
        impl.Widget()->update();
}

void Canvas::OnMouseDown(std::function<bool(Canvas &, int32_t, int32_t)> handler)
{
    Of(*this).onMouseDown = std::move(handler);
}

void Canvas::OnMouseUp(std::function<void(Canvas &, int32_t, int32_t)> handler)
{
    Of(*this).onMouseUp = std::move(handler);
}

void Canvas::OnMouseMove(std::function<void(Canvas &, int32_t, int32_t)> handler)
{
    Of(*this).onMouseMove = std::move(handler);
}

void Canvas::OnMouseEnter(std::function<void(Canvas &)> handler) { Of(*this).onMouseEnter = std::move(handler); }

void Canvas::OnMouseExit(std::function<void(Canvas &)> handler) { Of(*this).onMouseExit = std::move(handler); }

bool Canvas::ApplyProperty(const Property &property)
{
    if (property.name == "Transparent") {
        if (const bool *flag = std::get_if<bool>(&property.value)) {
            auto &impl = Of(*this);
            impl.transparent = *flag;
            if (impl.Widget())
                impl.Widget()->setAutoFillBackground(!*flag);
            return true;
        }
    }
    return false;
}

} // namespace platform
