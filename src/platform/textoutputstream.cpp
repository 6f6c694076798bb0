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
    if (impl_->file.write(bytes) != bytes.size())
        impl_->writeFailed = true;
}

bool TextOutputStream::Close()
{
    if (impl_->closed) {
        impl_->error = "the file was already closed";
        return false;
    }
    impl_->closed = true;
    // A write the disk refused may show only when the buffer goes out, and
    // QSaveFile would still commit what it got: the old file must stay.
    if (impl_->writeFailed || !impl_->file.flush()) {
        impl_->error = impl_->file.errorString().toStdString();
        impl_->file.cancelWriting();
        impl_->file.commit(); // removes what was written beside
        if (impl_->error.empty() || impl_->error == "Unknown error")
            impl_->error = "the file could not be written whole";
        return false;
    }
    if (impl_->file.commit())
        return true;
    impl_->error = impl_->file.errorString().toStdString();
    if (impl_->error.empty())
        impl_->error = "the file could not be written";
    return false;
}

std::string TextOutputStream::ErrorString() const { return impl_->error; }

} // namespace platform
