#include "platform/drawing/graphics.h"

#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"
#include "platform/windows/uifont_p.h"

#include <QFontMetrics>
#include <QPainter>

namespace platform {
namespace {

QColor ToQColor(Color color)
{
    // The alpha byte of a packed colour is not opacity: RGB always passes 0.
    return QColor(color.Red(), color.Green(), color.Blue());
}

} // namespace

Graphics::Graphics(Picture &target) : target_(&target) {}

void Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    QImage &image = target_->Data().image;
    if (image.isNull() || width <= 0 || height <= 0)
        return;
    QPainter painter(&image);
    painter.fillRect(QRect(x, y, width, height), ToQColor(foreColor_));
}

void Graphics::DrawString(std::string_view text, int32_t x, int32_t y)
{
    QImage &image = target_->Data().image;
    if (image.isNull() || text.empty())
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(detail::UiFont(font_, textSize_, bold_, false, underline_));
    painter.setPen(ToQColor(foreColor_));
    const int lineHeight = QFontMetrics(painter.font()).lineSpacing();
    const QStringList lines = QString::fromUtf8(text.data(), qsizetype(text.size())).split(QLatin1Char('\r'));
    int baseline = y;
    for (const QString &line : lines) {
        if (!line.isEmpty())
            painter.drawText(QPoint(x, baseline), line);
        baseline += lineHeight;
    }
}

void Graphics::DrawPicture(const Picture *picture, int32_t x, int32_t y)
{
    if (!picture)
        return;
    DrawPicture(picture, x, y, picture->Width(), picture->Height(), 0, 0, picture->Width(), picture->Height());
}

void Graphics::DrawPicture(const Picture *picture, int32_t x, int32_t y, int32_t width, int32_t height,
                           int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight)
{
    QImage &image = target_->Data().image;
    if (!picture || image.isNull() || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    QImage source = picture->Data().Shown();
    if (source.isNull())
        return;
    if (picture == target_)
        source = source.copy(); // drawing a picture into itself reads a copy
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(x, y, width, height), source, QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}

} // namespace platform
