#include "picthandler.h"

#include "../pict.h"

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
    if (!in->isSequential() && in->size() - in->pos() > kMaxPictFileBytes) {
        qWarning("PICT: file too large");
        return false;
    }
    const QByteArray bytes = in->read(kMaxPictFileBytes + 1);
    if (bytes.size() > kMaxPictFileBytes) {
        qWarning("PICT: file too large");
        return false;
    }
    QImage decoded = decodePict(bytes);
    if (decoded.isNull())
        return false;
    *image = std::move(decoded);
    return true;
}

} // namespace platform
