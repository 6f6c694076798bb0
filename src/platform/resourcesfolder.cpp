#include "resourcesfolder.h"

namespace platform {

std::optional<FolderItem> ResourcesFolder()
{
    const FolderItem prefix = ExecutableFile().Parent().Parent();
    for (const FolderItem &candidate : {prefix.Child("Resources"), prefix.Child("share").Child("tovy")}) {
        if (candidate.IsFolder())
            return candidate;
    }
    return std::nullopt;
}

} // namespace platform
