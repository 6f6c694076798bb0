#pragma once

// Inside the platform layer only: what a Picture holds.

#include <QImage>

#include <cstdint>

namespace platform {

class PictureData {
public:
    QImage image; // ARGB32 premultiplied
    int32_t transparent = 0;

    // The image as it is shown or drawn: with transparent mode 1 its white
    // pixels are see-through.
    QImage Shown() const;
};

} // namespace platform
