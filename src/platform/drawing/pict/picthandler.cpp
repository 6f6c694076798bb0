#include "picthandler.h"

#include "platform/drawing/pict/pict_p.h"

#include <QIODevice>
#include <QImage>
#include <QtDebug>

namespace platform {
namespace {

// A pipe or socket gives no size: read in pieces, never past the bound.
bool ReadSequential(QIODevice &in, QByteArray &bytes)
{
    constexpr qint64 kChunk = 64 * 1024;
    for (;;) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty())
            return true;
        if (bytes.size() + chunk.size() > kMaxPictFileBytes)
            return false;
        bytes += chunk;
    }
}

} // namespace

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
    QByteArray bytes;
    if (!in->isSequential()) {
        // A file's own size: read(max) would take the whole bound up front.
        const qint64 left = in->size() - in->pos();
        if (left > kMaxPictFileBytes) {
            qWarning("PICT: file too large");
            return false;
        }
        bytes = in->read(qMax<qint64>(left, 0));
    } else if (!ReadSequential(*in, bytes)) {
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
