#include "textoutputstream.h"

#include "textoutputstreamimpl.h"

namespace platform {

TextOutputStream::TextOutputStream(std::unique_ptr<TextOutputStreamImpl> impl) : impl_(std::move(impl)) {}

// Without Close, QSaveFile drops the file written beside: the old one stays.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::WriteLine(std::string_view line)
{
    if (impl_->closed)
        return;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\n');
    // A failed write is remembered by QSaveFile, and commit() then fails.
    impl_->file.write(bytes);
}

bool TextOutputStream::Close()
{
    if (impl_->closed) {
        impl_->error = "the file was already closed";
        return false;
    }
    impl_->closed = true;
    if (impl_->file.commit())
        return true;
    impl_->error = impl_->file.errorString().toStdString();
    if (impl_->error.empty())
        impl_->error = "the file could not be written";
    return false;
}

std::string TextOutputStream::ErrorString() const { return impl_->error; }

} // namespace platform
