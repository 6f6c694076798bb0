#include "platform/drawing/picture.h"

#include "platform/drawing/graphics.h"
#include "platform/drawing/picturedata_p.h"

namespace platform {

QImage PictureData::Shown() const
{
    if (transparent != 1 || image.isNull())
        return image;
    QImage shown = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < shown.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            if (line[x] == white)
                line[x] = 0;
        }
    }
    return shown;
}

Picture::Picture(int32_t width, int32_t height, int32_t /*depth: always 32 bits*/)
    : data_(std::make_unique<PictureData>())
{
    if (width > 0 && height > 0) {
        data_->image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        data_->image.fill(Qt::white);
    }
}

Picture::Picture(std::unique_ptr<PictureData> data) : data_(std::move(data))
{
    if (!data_)
        data_ = std::make_unique<PictureData>();
    if (!data_->image.isNull() && data_->image.format() != QImage::Format_ARGB32_Premultiplied)
        data_->image.convertTo(QImage::Format_ARGB32_Premultiplied);
}

Picture::~Picture() = default;

int32_t Picture::Width() const
{
    return data_->image.width();
}

int32_t Picture::Height() const
{
    return data_->image.height();
}

Graphics &Picture::Graphics()
{
    if (!graphics_)
        graphics_ = std::make_unique<platform::Graphics>(*this);
    return *graphics_;
}

int32_t Picture::Transparent() const
{
    return data_->transparent;
}

void Picture::SetTransparent(int32_t mode)
{
    data_->transparent = mode;
}

} // namespace platform
