#include "folderitem.h"

#include "testing.h"
#include "textinputstream.h"
#include "textinputstreamimpl.h"
#include "textoutputstream.h"
#include "textoutputstreamimpl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <optional>
#include <system_error>

#if defined(__linux__) || defined(__APPLE__)
#include <sys/xattr.h>
#define TOVY_HAVE_XATTR 1
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

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const
{
    if (IsFolder())
        return nullptr;
    auto impl = std::make_unique<TextInputStreamImpl>();
    impl->file.setFileName(QtPath(path_));
    if (!impl->file.open(QIODevice::ReadOnly))
        return nullptr;
    return std::make_unique<TextInputStream>(std::move(impl));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(std::string *error) const
{
    auto impl = std::make_unique<TextOutputStreamImpl>(QtPath(path_));
    if (IsFolder() || !impl->file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = IsFolder() ? "a folder is in the way" : impl->file.errorString().toStdString();
        return nullptr;
    }
    return std::make_unique<TextOutputStream>(std::move(impl));
}

void FolderItem::SetMacCreator(std::string_view code) const { SetAttribute(path_, kCreatorAttribute, code); }
void FolderItem::SetMacType(std::string_view code) const { SetAttribute(path_, kTypeAttribute, code); }
std::string FolderItem::MacCreator() const { return Attribute(path_, kCreatorAttribute); }
std::string FolderItem::MacType() const { return Attribute(path_, kTypeAttribute); }

std::optional<FolderItem> GetFolderItem(std::string_view bareName)
{
    if (bareName.empty() || bareName.find('/') != std::string_view::npos || bareName == "." || bareName == "..")
        return std::nullopt;
    const QString folder = ConfigFolderOverride()
                               ? QtPath(*ConfigFolderOverride())
                               : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return std::nullopt;
    return FolderItem(QDir(folder).filePath(QString::fromUtf8(bareName.data(), static_cast<qsizetype>(bareName.size())))
                          .toStdString());
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
