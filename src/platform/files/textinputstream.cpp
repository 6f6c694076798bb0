#include "platform/files/textinputstream.h"

#include "platform/files/textinputstreamimpl_p.h"

namespace platform {

TextInputStream::TextInputStream(std::unique_ptr<TextInputStreamImpl> impl) : impl_(std::move(impl)) {}
TextInputStream::~TextInputStream() = default;

std::string TextInputStream::ReadLine()
{
    if (EndOfFile())
        return {};
    QFile &file = impl_->file;
    // Qt's bound leaves room for a terminating NUL: one more gives the whole line.
    QByteArray line = file.readLine(kMaxLineBytes + 1);
    if (!line.endsWith('\n') && !file.atEnd()) {
        impl_->ended = true;
        return {};
    }
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line.toStdString();
}

bool TextInputStream::EndOfFile() const
{
    return !impl_->file.isOpen() || impl_->ended || impl_->file.atEnd();
}

void TextInputStream::Close() { impl_->file.close(); }

} // namespace platform
