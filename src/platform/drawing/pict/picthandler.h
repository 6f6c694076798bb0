#pragma once

#include <QImageIOHandler>

namespace platform {

// Reads one PICT picture from a device through decodePict.
class PictHandler : public QImageIOHandler {
public:
    bool canRead() const override;
    bool read(QImage *image) override;

    // Peeks at the device without consuming anything.
    static bool canRead(QIODevice *device);
};

} // namespace platform
