#include "platform/files/textoutputstream.h"

#include "platform/files/textoutputstreamimpl_p.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#if defined(__linux__) || defined(__APPLE__)
#include <sys/xattr.h>
#define TOVY_HAVE_XATTR 1
#endif

namespace platform {

namespace {

// Set on the file written beside the target while it is written; a file
// that still carries it after the save was never put in place.
constexpr const char *kUnfinishedAttribute = "user.tovy.unfinished";

// Another program's save in progress writes its file just now; a leftover
// is older.
constexpr std::chrono::minutes kSaveInProgress{1};

// QSaveFile writes beside the target under the target's name, a full stop
// and six letters.
bool IsTemporaryOf(std::string_view name, std::string_view target)
{
    constexpr std::size_t kLetters = 6;
    if (name.size() != target.size() + 1 + kLetters || !name.starts_with(target) || name[target.size()] != '.')
        return false;
    for (const char c : name.substr(target.size() + 1)) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

bool IsMarkedUnfinished(const std::string &path)
{
#ifdef TOVY_HAVE_XATTR
    char value[8];
#ifdef __APPLE__
    return getxattr(path.c_str(), kUnfinishedAttribute, value, sizeof value, 0, XATTR_NOFOLLOW) >= 0;
#else
    return lgetxattr(path.c_str(), kUnfinishedAttribute, value, sizeof value) >= 0;
#endif
#else
    (void)path;
    return false;
#endif
}

void Unmark(const std::string &path)
{
#ifdef TOVY_HAVE_XATTR
#ifdef __APPLE__
    (void)removexattr(path.c_str(), kUnfinishedAttribute, 0);
#else
    (void)removexattr(path.c_str(), kUnfinishedAttribute);
#endif
#else
    (void)path;
#endif
}

// A save killed after writing its file beside the target but before putting
// it in place leaves that file behind for good. Only files of exactly that
// name that still carry our mark and were not written just now are removed:
// never a link, a folder, another program's file or a save in progress.
void RemoveLeftoversBeside(const std::filesystem::path &target)
{
    namespace fs = std::filesystem;
    const std::string targetName = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(target.parent_path(), error), end; !error && it != end; it.increment(error)) {
        const fs::path &path = it->path();
        if (!IsTemporaryOf(path.filename().string(), targetName))
            continue;
        std::error_code status;
        if (!fs::is_regular_file(it->symlink_status(status)) || !IsMarkedUnfinished(path.string()))
            continue;
        const fs::file_time_type written = fs::last_write_time(path, status);
        if (status || fs::file_time_type::clock::now() - written < kSaveInProgress)
            continue;
        fs::remove(path, status);
    }
}

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

void TextOutputStreamImpl::MarkUnfinished()
{
#ifdef TOVY_HAVE_XATTR
    const int fd = file.handle();
    if (fd < 0)
        return;
#ifdef __APPLE__
    (void)fsetxattr(fd, kUnfinishedAttribute, "1", 1, 0, 0);
#else
    (void)fsetxattr(fd, kUnfinishedAttribute, "1", 1, 0);
#endif
#endif
}

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
    if (impl_->file.commit()) {
        // Through a link the file written is the link's target, and so is
        // the place where an interrupted save leaves its file.
        const QString written = QFileInfo(impl_->file.fileName()).canonicalFilePath();
        const std::filesystem::path target(
            QFile::encodeName(written.isEmpty() ? impl_->file.fileName() : written).toStdString());
        Unmark(target.string());
        RemoveLeftoversBeside(target);
        return true;
    }
    impl_->error = impl_->file.errorString().toStdString();
    if (impl_->error.empty())
        impl_->error = "the file could not be written";
    return false;
}

std::string TextOutputStream::ErrorString() const { return impl_->error; }

} // namespace platform
