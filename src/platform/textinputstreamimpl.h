#pragma once

// Inside the platform layer only.

#include <QFile>

namespace platform {

class TextInputStreamImpl {
public:
    QFile file;
};

} // namespace platform
