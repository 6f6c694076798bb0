#include "pictplugin.h"

#include "picthandler.h"

namespace platform {

QImageIOPlugin::Capabilities PictPlugin::capabilities(QIODevice *device, const QByteArray &format) const
{
    const QByteArray lower = format.toLower();
    if (lower == "pct" || lower == "pict")
        return CanRead;
    if (!format.isEmpty())
        return {};
    return PictHandler::canRead(device) ? CanRead : Capabilities{};
}

QImageIOHandler *PictPlugin::create(QIODevice *device, const QByteArray &format) const
{
    auto *handler = new PictHandler; // Qt's image reader owns its handler
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}

} // namespace platform
