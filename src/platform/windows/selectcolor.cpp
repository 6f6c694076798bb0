#include "platform/windows/selectcolor.h"

#include "platform/application/handlerscope_p.h"
#include "platform/application/testing.h"

#include <QColorDialog>

namespace platform {

namespace {

std::function<std::optional<Color>(Color, std::string_view)> &ColorAnswer()
{
    static std::function<std::optional<Color>(Color, std::string_view)> answer;
    return answer;
}

} // namespace

bool SelectColor(Color &color, std::string_view prompt)
{
    // A modal loop: timers wait until it and its handler have ended.
    detail::HandlerScope scope;
    std::optional<Color> chosen;
    if (ColorAnswer()) {
        chosen = ColorAnswer()(color, prompt);
    } else {
        QColorDialog dialog(QColor(color.Red(), color.Green(), color.Blue()));
        dialog.setWindowTitle(QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())));
        if (dialog.exec() == QDialog::Accepted) {
            const QColor picked = dialog.selectedColor();
            chosen = RGB(picked.red(), picked.green(), picked.blue());
        }
    }
    if (!chosen)
        return false;
    color = *chosen;
    return true;
}

namespace testing {

void SetColorChoice(std::function<std::optional<Color>(Color initial, std::string_view prompt)> answer)
{
    ColorAnswer() = std::move(answer);
}

} // namespace testing

} // namespace platform
