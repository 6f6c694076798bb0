#include "platform/files/folderitem.h"

#include "platform/drawing/pict/pict_p.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtDebug>

#include <optional>

namespace platform {
namespace {

// A PICT file is decoded here, without Qt's reader: its first use scans the
// image-format plugins, which start-up, whose pictures are all PICT, need not.
std::optional<QImage> ReadPict(const QString &path, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt; // the reader says why
    if (!looksLikePict(file.peek(512 + 16)))
        return std::nullopt;
    const std::optional<QByteArray> bytes = readPictBytes(file);
    if (!bytes) {
        *why = QStringLiteral("PICT file too large");
        return QImage();
    }
    QImage image = decodePict(*bytes);
    if (image.isNull())
        *why = QStringLiteral("damaged PICT picture");
    return image;
}

} // namespace

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const
{
    const QString path = QString::fromStdString(path_);
    const QFileInfo info(path);
    if (!info.isFile())
        return nullptr;
    // Content first: a PICT file is found by its header, other formats by
    // their own signatures, whatever the extension's letter case.
    QString why;
    std::optional<QImage> image = ReadPict(path, &why);
    if (!image) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
        why = reader.errorString();
    }
    if (image->isNull()) {
        qWarning("Picture not readable: %s (%s)", qPrintable(info.fileName()), qPrintable(why));
        return nullptr;
    }
    auto data = std::make_unique<PictureData>();
    data->image = image->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return std::make_shared<Picture>(std::move(data));
}

} // namespace platform
