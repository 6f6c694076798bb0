#include "platform/files/folderitem.h"

#include "platform/application/testing.h"
#include "platform/files/textinputstream.h"
#include "platform/files/textinputstreamimpl_p.h"
#include "platform/files/textoutputstream.h"
#include "platform/files/textoutputstreamimpl_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#if defined(__linux__) || defined(__APPLE__)
#include <sys/xattr.h>
#define TOVY_HAVE_XATTR 1
#endif

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define TOVY_HAVE_POSIX_OPEN 1
#endif

namespace platform {

namespace {

std::optional<std::string> &ConfigFolderOverride()
{
    static std::optional<std::string> folder;
    return folder;
}

QString QtPath(const std::string &path) { return QString::fromStdString(path); }

constexpr const char *kCreatorAttribute = "user.tovy.creator";
constexpr const char *kTypeAttribute = "user.tovy.type";

// Four-character codes as extended attributes; a file system without them
// (or a missing file) quietly keeps nothing.
void SetAttribute(const std::string &path, const char *name, std::string_view value)
{
#ifdef TOVY_HAVE_XATTR
#ifdef __APPLE__
    (void)setxattr(path.c_str(), name, value.data(), value.size(), 0, 0);
#else
    (void)setxattr(path.c_str(), name, value.data(), value.size(), 0);
#endif
#else
    (void)path;
    (void)name;
    (void)value;
#endif
}

std::string Attribute(const std::string &path, const char *name)
{
#ifdef TOVY_HAVE_XATTR
    char buffer[64];
#ifdef __APPLE__
    const ssize_t size = getxattr(path.c_str(), name, buffer, sizeof buffer, 0, 0);
#else
    const ssize_t size = getxattr(path.c_str(), name, buffer, sizeof buffer);
#endif
    if (size > 0)
        return std::string(buffer, static_cast<size_t>(size));
#else
    (void)path;
    (void)name;
#endif
    return {};
}

std::string Quoted(const std::filesystem::path &path) { return '"' + path.string() + '"'; }

// Why a folder could not be made: the first part of its path that is in the
// way, else the system's answer to making it.
std::string WhyNoFolder(const QString &folder)
{
    namespace fs = std::filesystem;
    const fs::path wanted(QFile::encodeName(folder).toStdString());
    std::error_code made;
    fs::create_directories(wanted, made);
    for (fs::path part = wanted; !part.empty(); part = part.parent_path()) {
        std::error_code error;
        const fs::file_status own = fs::symlink_status(part, error);
        if (own.type() != fs::file_type::not_found) {
            const fs::file_status target = fs::status(part, error);
            if (fs::is_symlink(own) && target.type() == fs::file_type::not_found)
                return Quoted(part) + " is a link to nothing";
            if (!fs::is_directory(target))
                return Quoted(part) + " is a file, not a folder";
            break;
        }
        if (part == part.parent_path())
            break;
    }
    return "the folder " + Quoted(wanted) + " cannot be made" + (made ? ": " + made.message() : std::string());
}

#ifdef TOVY_HAVE_POSIX_OPEN
std::string SystemMessage(int error) { return std::generic_category().message(error); }

// A file descriptor closed when it goes out of scope, unless handed on.
class OwnedDescriptor {
public:
    explicit OwnedDescriptor(int fd) : fd_(fd) {}
    ~OwnedDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OwnedDescriptor(const OwnedDescriptor &) = delete;
    OwnedDescriptor &operator=(const OwnedDescriptor &) = delete;

    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};
#endif

const char *KindReason(bool folder) { return folder ? "is a folder, not a file" : "is not a regular file"; }

} // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

std::string FolderItem::Name() const { return QFileInfo(QtPath(path_)).fileName().toStdString(); }

bool FolderItem::Exists() const { return QFileInfo::exists(QtPath(path_)); }

bool FolderItem::IsFolder() const { return QFileInfo(QtPath(path_)).isDir(); }

FolderItem FolderItem::Parent() const
{
    return FolderItem(QFileInfo(QtPath(path_)).absolutePath().toStdString());
}

FolderItem FolderItem::Child(std::string_view name) const
{
    return FolderItem(QDir(QtPath(path_)).filePath(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                          .toStdString());
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile(std::string *error) const
{
    auto fail = [error](std::string reason) -> std::unique_ptr<TextInputStream> {
        if (error)
            *error = std::move(reason);
        return nullptr;
    };
    auto impl = std::make_unique<TextInputStreamImpl>();
#ifdef TOVY_HAVE_POSIX_OPEN
    // Only a regular file (links followed) is read. A named pipe would wait
    // for a writer and a device may never end, so neither is opened: the
    // name is looked at first, and what was opened (without waiting, in case
    // the name changed in between) is looked at again.
    const QByteArray name = QFile::encodeName(QtPath(path_));
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return fail(SystemMessage(errno));
    if (!S_ISREG(info.st_mode))
        return fail(KindReason(S_ISDIR(info.st_mode)));
    OwnedDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0)
        return fail(SystemMessage(errno));
    if (::fstat(fd.Get(), &info) != 0)
        return fail(SystemMessage(errno));
    if (!S_ISREG(info.st_mode))
        return fail(KindReason(S_ISDIR(info.st_mode)));
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags == -1 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) == -1)
        return fail(SystemMessage(errno));
    if (!impl->file.open(fd.Get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return fail(impl->file.errorString().toStdString());
    fd.Release(); // the file closes it now
#else
    const QFileInfo info(QtPath(path_));
    if (!info.exists())
        return fail("no such file");
    if (!info.isFile())
        return fail(KindReason(info.isDir()));
    impl->file.setFileName(QtPath(path_));
    if (!impl->file.open(QIODevice::ReadOnly))
        return fail(impl->file.errorString().toStdString());
#endif
    return std::make_unique<TextInputStream>(std::move(impl));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(std::string *error) const
{
    auto impl = std::make_unique<TextOutputStreamImpl>(QtPath(path_));
    if (IsFolder() || !impl->file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = IsFolder() ? KindReason(true) : impl->file.errorString().toStdString();
        return nullptr;
    }
    impl->MarkUnfinished();
    return std::make_unique<TextOutputStream>(std::move(impl));
}

void FolderItem::SetMacCreator(std::string_view code) const { SetAttribute(path_, kCreatorAttribute, code); }
void FolderItem::SetMacType(std::string_view code) const { SetAttribute(path_, kTypeAttribute, code); }
std::string FolderItem::MacCreator() const { return Attribute(path_, kCreatorAttribute); }
std::string FolderItem::MacType() const { return Attribute(path_, kTypeAttribute); }

std::optional<FolderItem> GetFolderItem(std::string_view bareName, FileProblem *problem)
{
    const QString name = QString::fromUtf8(bareName.data(), static_cast<qsizetype>(bareName.size()));
    auto fail = [problem](const QString &path, std::string reason) -> std::optional<FolderItem> {
        if (problem)
            *problem = FileProblem{path.toStdString(), std::move(reason)};
        return std::nullopt;
    };
    if (bareName.empty() || bareName.find('/') != std::string_view::npos || bareName == "." || bareName == "..")
        return fail(name, "not a bare file name");
    const QString folder = ConfigFolderOverride()
                               ? QtPath(*ConfigFolderOverride())
                               : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return fail(name, "no configuration folder is known");
    const QString path = QDir(folder).filePath(name);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return fail(path, WhyNoFolder(folder));
    return FolderItem(path.toStdString());
}

FolderItem ExecutableFile()
{
    if (QCoreApplication::instance())
        return FolderItem(QCoreApplication::applicationFilePath().toStdString());
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return FolderItem(error ? std::string() : self.string());
}

namespace testing {

void SetConfigFolder(std::string path) { ConfigFolderOverride() = std::move(path); }
void ResetConfigFolder() { ConfigFolderOverride().reset(); }

} // namespace testing

} // namespace platform
