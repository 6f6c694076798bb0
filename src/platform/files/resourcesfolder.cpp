#include "platform/files/resourcesfolder.h"

#include <array>
#include <string_view>

#ifndef TOVY_PICTURES_FROM_BINDIR
#error "TOVY_PICTURES_FROM_BINDIR: the installed pictures' folder from the program's folder, set by the build"
#endif

namespace platform {
namespace {

// What resources/ puts in the folder: the button pictures, the logo and the
// program's icon.
constexpr std::array<std::string_view, 17> kPictureFiles{
    "BakYea.PCT", "BakYea2.PCT", "BakMon.PCT", "BakMon2.PCT", "Reset.PCT", "Reset2.PCT",
    "NextMon.PCT", "NextMon2.PCT", "NextYea.PCT", "NextYea2.PCT", "smal.pct", "smal2.pct",
    "Set.pct", "Set2.pct", "Blank.PCT", "Tovy3.jpg", "tovy.png",
};

bool HoldsOurPictures(const FolderItem &folder)
{
    if (!folder.IsFolder())
        return false;
    for (const std::string_view name : kPictureFiles) {
        if (folder.Child(name).Exists())
            return true;
    }
    return false;
}

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
        if (HoldsOurPictures(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace platform
