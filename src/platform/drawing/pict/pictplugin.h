#pragma once

#include <QImageIOPlugin>

namespace platform {

// Makes QImage and QImageReader read PICT files (.pct, .pict) everywhere.
// In pict.json, MimeTypes runs parallel to Keys, one entry for each key (Qt
// pairs them by place), hence "image/x-pict" twice.
class PictPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "pict.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format = QByteArray()) const override;
};

} // namespace platform
