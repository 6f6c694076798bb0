#include "textinputstream.h"

#include "textinputstreamimpl.h"

namespace platform {

namespace {

// Longer lines are cut here and the rest skipped: no settings line comes near.
constexpr qint64 kMaxLine = 64 * 1024;

} // namespace

TextInputStream::TextInputStream(std::unique_ptr<TextInputStreamImpl> impl) : impl_(std::move(impl)) {}
TextInputStream::~TextInputStream() = default;

std::string TextInputStream::ReadLine()
{
    QFile &file = impl_->file;
    if (!file.isOpen() || file.atEnd())
        return {};
    QByteArray line = file.readLine(kMaxLine);
    if (!line.endsWith('\n')) {
        // Cut at the limit: skip what remains of the line.
        char c = 0;
        while (file.getChar(&c) && c != '\n') {
        }
    }
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line.toStdString();
}

bool TextInputStream::EndOfFile() const { return !impl_->file.isOpen() || impl_->file.atEnd(); }

void TextInputStream::Close() { impl_->file.close(); }

} // namespace platform
