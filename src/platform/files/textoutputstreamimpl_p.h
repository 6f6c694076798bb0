#pragma once

// Inside the platform layer only.

#include <QSaveFile>

#include <string>

namespace platform {

class TextOutputStreamImpl {
public:
    explicit TextOutputStreamImpl(const QString &path) : file(path) {}

    // Marks the file being written beside the target as ours and unfinished,
    // so that a later save can tell a leftover of an interrupted one from any
    // other file; called once the file is open.
    void MarkUnfinished();

    QSaveFile file;
    bool closed = false;
    bool writeFailed = false;
    int writeErrno = 0; // what the failed write left in errno
    std::string error;
};

} // namespace platform
