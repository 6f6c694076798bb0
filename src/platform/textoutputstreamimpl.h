#pragma once

// Inside the platform layer only.

#include <QSaveFile>

#include <string>

namespace platform {

class TextOutputStreamImpl {
public:
    explicit TextOutputStreamImpl(const QString &path) : file(path) {}

    QSaveFile file;
    bool closed = false;
    bool writeFailed = false;
    int writeErrno = 0; // what the failed write left in errno
    std::string error;
};

} // namespace platform
