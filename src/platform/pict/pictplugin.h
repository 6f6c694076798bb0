#pragma once

#include <QImageIOPlugin>

namespace platform {

// Makes QImage and QImageReader read PICT files (.pct, .pict) everywhere.
class PictPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "pict.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format = QByteArray()) const override;
};

} // namespace platform
