#include "folderitem.h"

#include "picture.h"
#include "picturedata.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtDebug>

namespace platform {

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const
{
    const QString path = QString::fromStdString(path_);
    const QFileInfo info(path);
    if (!info.isFile())
        return nullptr;
    // Content first: a PICT file is found by its header, other formats by
    // their own signatures, whatever the extension's letter case.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        qWarning("Picture not readable: %s (%s)", qPrintable(info.fileName()), qPrintable(reader.errorString()));
        return nullptr;
    }
    auto data = std::make_unique<PictureData>();
    data->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return std::make_shared<Picture>(std::move(data));
}

} // namespace platform
