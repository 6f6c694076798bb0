#include "textoutputstream.h"

#include "textoutputstreamimpl.h"

#include <cerrno>
#include <system_error>

namespace platform {

namespace {

// Qt forgets the system's reason when a write stops part of the way (as on
// a full disk): what the failed call left in errno says it.
std::string WhyNotWritten(const QSaveFile &file, int systemError)
{
    const QString qtReason = file.errorString();
    if (!qtReason.isEmpty() && qtReason != QLatin1String("Unknown error"))
        return qtReason.toStdString();
    if (systemError != 0)
        return std::generic_category().message(systemError);
    return "the file could not be written whole";
}

} // namespace

TextOutputStream::TextOutputStream(std::unique_ptr<TextOutputStreamImpl> impl) : impl_(std::move(impl)) {}

// Without Close, QSaveFile drops the file written beside: the old one stays.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::WriteLine(std::string_view line)
{
    if (impl_->closed)
        return;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\n');
    errno = 0;
    if (!impl_->writeFailed && impl_->file.write(bytes) != bytes.size()) {
        impl_->writeFailed = true;
        impl_->writeErrno = errno;
    }
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
    errno = 0;
    if (impl_->writeFailed || !impl_->file.flush()) {
        impl_->error = WhyNotWritten(impl_->file, impl_->writeFailed ? impl_->writeErrno : errno);
        impl_->file.cancelWriting();
        impl_->file.commit(); // removes what was written beside
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
