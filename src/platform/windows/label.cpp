#include "platform/windows/label.h"

#include "platform/application/handlerscope_p.h"
#include "platform/windows/controlimpl_p.h"
#include "platform/windows/uifont_p.h"
#include "platform/windows/window.h"
#include "platform/windows/windowimpl_p.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <optional>
#include <utility>

namespace platform {

namespace {

// A plain-text label's own drawing, as QLabel draws it, without the text
// control, size hints and per-label private data QLabel builds.
class TextWidget : public QWidget {
public:
    using QWidget::QWidget;

    void SetText(QString text)
    {
        if (text == text_)
            return;
        text_ = std::move(text);
        setAccessibleName(text_); // what a screen reader reads, as for QLabel
        update();
    }

    void SetAlignment(Qt::Alignment alignment)
    {
        if (alignment == alignment_)
            return;
        alignment_ = alignment;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (text_.isEmpty())
            return;
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        const Qt::LayoutDirection direction = text_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        const int flags = int(QStyle::visualAlignment(direction, alignment_)) | Qt::TextExpandTabs
                          | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
        style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), text_,
                              foregroundRole());
    }

private:
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
};

class LabelImpl : public ControlImpl {
public:
    explicit LabelImpl(Window &owner) : ControlImpl(owner, new TextWidget(owner.Impl().frame.get()))
    {
        Widget()->setAttribute(Qt::WA_TransparentForMouseEvents); // presses go to what lies beneath
        // Set once, when the label's property list has been applied, or at
        // once for a label made after its window opened.
        fontPending = true;
        if (owner.Impl().controlsOpened)
            ShowFont();
        ApplyAlign();
    }

    TextWidget *Widget() const { return static_cast<TextWidget *>(widget.data()); }

    // Each font property would otherwise build and set a font of its own.
    void ApplyFont()
    {
        fontPending = true;
        if (!applyingList && owner.Impl().controlsOpened)
            ShowFont();
    }

    void ShowFont()
    {
        if (!std::exchange(fontPending, false) || !Widget())
            return;
        const QFont wanted = detail::UiFont(font, size, bold, italic, underline);
        if (Widget()->font() != wanted || !Widget()->testAttribute(Qt::WA_SetFont))
            Widget()->setFont(wanted);
    }

    void ApplyAlign()
    {
        Qt::Alignment horizontal = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
        if (Widget())
            Widget()->SetAlignment(horizontal | Qt::AlignTop);
    }

    void ApplyColor()
    {
        if (!Widget() || shownColor == color)
            return;
        shownColor = color; // a month step sets every cell's colour, mostly unchanged
        QPalette palette = Widget()->palette();
        palette.setColor(QPalette::WindowText, QColor(color.Red(), color.Green(), color.Blue()));
        Widget()->setPalette(palette);
    }

    void ListApplied() override { ShowFont(); }

    void WindowOpened() override
    {
        ShowFont();
        RunOpen();
    }

    void RunOpen()
    {
        if (openDone || !onOpen)
            return;
        openDone = true;
        onOpen(static_cast<Label &>(*control));
    }

    std::string text;
    Color color{};
    std::string font = "System";
    float size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t align = 0;
    bool transparent = true;
    bool openDone = false;
    bool fontPending = false;
    std::optional<Color> shownColor;
    std::function<void(Label &)> onOpen;
};

LabelImpl &Of(const Label &label) { return static_cast<LabelImpl &>(label.Impl()); }

} // namespace

Label::Label(Window &owner, int32_t index) : Control(index, std::make_unique<LabelImpl>(owner)) {}
Label::~Label() = default;

const std::string &Label::Text() const { return Of(*this).text; }

void Label::SetText(std::string text)
{
    auto &impl = Of(*this);
    impl.text = std::move(text);
    if (impl.Widget())
        impl.Widget()->SetText(QString::fromStdString(impl.text));
}

Color Label::TextColor() const { return Of(*this).color; }

void Label::SetTextColor(Color color)
{
    Of(*this).color = color;
    Of(*this).ApplyColor();
}

const std::string &Label::TextFont() const { return Of(*this).font; }

void Label::SetTextFont(std::string font)
{
    Of(*this).font = std::move(font);
    Of(*this).ApplyFont();
}

float Label::TextSize() const { return Of(*this).size; }

void Label::SetTextSize(float pixels)
{
    Of(*this).size = pixels;
    Of(*this).ApplyFont();
}

void Label::SetTextUnit(int32_t) {}

bool Label::Bold() const { return Of(*this).bold; }

void Label::SetBold(bool bold)
{
    Of(*this).bold = bold;
    Of(*this).ApplyFont();
}

bool Label::Underline() const { return Of(*this).underline; }

void Label::SetUnderline(bool underline)
{
    Of(*this).underline = underline;
    Of(*this).ApplyFont();
}

int32_t Label::TextAlign() const { return Of(*this).align; }

void Label::SetTextAlign(int32_t align)
{
    Of(*this).align = align;
    Of(*this).ApplyAlign();
}

bool Label::Transparent() const { return Of(*this).transparent; }

void Label::SetTransparent(bool transparent)
{
    auto &impl = Of(*this);
    impl.transparent = transparent;
    // An opaque label paints the window's background behind its text.
    if (impl.Widget())
        impl.Widget()->setAutoFillBackground(!transparent);
}

void Label::OnOpen(std::function<void(Label &)> handler)
{
    auto &impl = Of(*this);
    impl.onOpen = std::move(handler);
    if (Owner().Impl().controlsOpened)
        detail::CallHandler([&impl] { impl.RunOpen(); });
}

bool Label::ApplyProperty(const Property &property)
{
    const std::string &name = property.name;
    if (const std::string *text = std::get_if<std::string>(&property.value)) {
        if (name == "Text")
            SetText(*text);
        else if (name == "TextFont")
            SetTextFont(*text);
        else
            return false;
        return true;
    }
    if (const bool *flag = std::get_if<bool>(&property.value)) {
        if (name == "Transparent")
            SetTransparent(*flag);
        else if (name == "Bold")
            SetBold(*flag);
        else if (name == "Italic") {
            Of(*this).italic = *flag;
            Of(*this).ApplyFont();
        } else if (name == "Underline")
            SetUnderline(*flag);
        else
            return false;
        return true;
    }
    if (const int32_t *number = std::get_if<int32_t>(&property.value)) {
        if (name == "TextAlign") {
            SetTextAlign(*number);
            return true;
        }
        return false;
    }
    if (const Color *color = std::get_if<Color>(&property.value)) {
        if (name == "TextColor") {
            SetTextColor(*color);
            return true;
        }
    }
    return false;
}

} // namespace platform
