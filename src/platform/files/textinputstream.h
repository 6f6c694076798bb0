#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class TextInputStreamImpl;

class TextInputStream {
public:
    // The longest line read, its line end included.
    static constexpr int64_t kMaxLineBytes = 4096;

    explicit TextInputStream(std::unique_ptr<TextInputStreamImpl> impl);
    ~TextInputStream();

    // The next line without its LF or CR LF; an empty text past the end. A
    // longer line reads as an empty text and ends the stream: where it ends,
    // and so where a next line would begin, is never looked for, so a huge
    // file costs no more than its first lines.
    std::string ReadLine();
    bool EndOfFile() const;
    void Close();

private:
    std::unique_ptr<TextInputStreamImpl> impl_;
};

} // namespace platform
