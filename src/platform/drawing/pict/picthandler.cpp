#include "picthandler.h"

#include "platform/drawing/pict/pict_p.h"

#include <QIODevice>
#include <QImage>
#include <QtDebug>

namespace platform {

bool PictHandler::canRead() const
{
    if (!canRead(device()))
        return false;
    setFormat("pict");
    return true;
}

bool PictHandler::canRead(QIODevice *device)
{
    if (!device || !device->isReadable())
        return false;
    return looksLikePict(device->peek(512 + 16));
}

bool PictHandler::read(QImage *image)
{
    QIODevice *in = device();
    if (!in || !image)
        return false;
    const std::optional<QByteArray> bytes = readPictBytes(*in);
    if (!bytes) {
        qWarning("PICT: file too large");
        return false;
    }
    QImage decoded = decodePict(*bytes);
    if (decoded.isNull())
        return false;
    *image = std::move(decoded);
    return true;
}

} // namespace platform
