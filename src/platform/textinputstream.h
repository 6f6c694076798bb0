#pragma once

#include <memory>
#include <string>

namespace platform {

class TextInputStreamImpl;

class TextInputStream {
public:
    explicit TextInputStream(std::unique_ptr<TextInputStreamImpl> impl);
    ~TextInputStream();

    // The next line without its LF or CR LF; an empty text past the end.
    std::string ReadLine();
    bool EndOfFile() const;
    void Close();

private:
    std::unique_ptr<TextInputStreamImpl> impl_;
};

} // namespace platform
