#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class TextOutputStreamImpl;

// Writes beside the target and replaces it only on a successful Close
// (commit by rename), so a crash or a full disk leaves the old file whole.
// Destroyed without Close, it discards what was written.
class TextOutputStream {
public:
    explicit TextOutputStream(std::unique_ptr<TextOutputStreamImpl> impl);
    ~TextOutputStream();

    void WriteLine(std::string_view line); // ends it with LF
    // True when the file was written whole; otherwise ErrorString says why.
    bool Close();
    std::string ErrorString() const;

private:
    std::unique_ptr<TextOutputStreamImpl> impl_;
};

} // namespace platform
