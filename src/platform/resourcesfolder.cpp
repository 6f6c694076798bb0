#include "resourcesfolder.h"

#include <string_view>

#ifndef TOVY_PICTURES_FROM_BINDIR
#error "TOVY_PICTURES_FROM_BINDIR: the installed pictures' folder from the program's folder, set by the build"
#endif

namespace platform {
namespace {

// Follows a relative path ("../share/tovy") from a folder, part by part.
FolderItem Follow(FolderItem folder, std::string_view path)
{
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (part == "..")
            folder = folder.Parent();
        else if (!part.empty() && part != ".")
            folder = folder.Child(part);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return folder;
}

} // namespace

std::optional<FolderItem> ResourcesFolder()
{
    const FolderItem programFolder = ExecutableFile().Parent();
    for (const FolderItem &candidate :
         {programFolder.Parent().Child("Resources"), Follow(programFolder, TOVY_PICTURES_FROM_BINDIR)}) {
        if (candidate.IsFolder())
            return candidate;
    }
    return std::nullopt;
}

} // namespace platform
