#include "platform/windows/textstyle_p.h"

#include "platform/windows/uifont_p.h"

#include <QWidget>

namespace platform::detail {

void TextStyle::ApplyTo(QWidget *widget) const
{
    if (widget)
        widget->setFont(UiFont(font, size, bold, italic, underline));
}

bool TextStyle::Take(const Property &property)
{
    const std::string &name = property.name;
    if (const std::string *text = std::get_if<std::string>(&property.value)) {
        if (name != "TextFont")
            return false;
        font = *text;
        return true;
    }
    if (const bool *flag = std::get_if<bool>(&property.value)) {
        if (name == "Bold")
            bold = *flag;
        else if (name == "Italic")
            italic = *flag;
        else if (name == "Underline")
            underline = *flag;
        else
            return false;
        return true;
    }
    return false;
}

} // namespace platform::detail
