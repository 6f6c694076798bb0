#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Picture;
class TextInputStream;
class TextOutputStream;

// A file or folder by path. Nothing here throws: failures give none.
class FolderItem {
public:
    explicit FolderItem(std::string path);

    const std::string &Path() const { return path_; }
    std::string Name() const;
    bool Exists() const;
    bool IsFolder() const;
    FolderItem Parent() const;
    FolderItem Child(std::string_view name) const;

    // None (with the reason in *error) when the file is missing, cannot be
    // read, or is not a regular file once links are followed: a folder, a
    // device or a named pipe is never opened, and opening never waits.
    std::unique_ptr<TextInputStream> OpenAsTextFile(std::string *error = nullptr) const;
    // A new file that replaces this one only when it is closed whole; none
    // (with the reason in *error) when it cannot be created.
    std::unique_ptr<TextOutputStream> CreateTextFile(std::string *error = nullptr) const;

    // Four-character codes, kept as user extended attributes where the file
    // system allows, silently skipped where not.
    void SetMacCreator(std::string_view code) const;
    void SetMacType(std::string_view code) const;
    std::string MacCreator() const;
    std::string MacType() const;

    // PICT (.pct, any letter case) or any image Qt reads; none when the file
    // is missing or no readable picture.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    std::string path_;
};

// Why no file could be had: the full path that was tried and the reason.
struct FileProblem {
    std::string path;
    std::string reason;
};

// A bare name in the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config; the Preferences folder on macOS), the folder made when missing.
// None when no folder is known or it cannot be made; then *problem holds the
// file's full path and why.
std::optional<FolderItem> GetFolderItem(std::string_view bareName, FileProblem *problem = nullptr);

// The running program's executable file.
FolderItem ExecutableFile();

} // namespace platform
