#pragma once

// Inside the platform layer only.

#include <QFile>

namespace platform {

class TextInputStreamImpl {
public:
    QFile file;
    bool ended = false; // by a line past the bound
};

} // namespace platform
