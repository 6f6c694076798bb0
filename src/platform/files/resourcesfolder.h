#pragma once

#include "platform/files/folderitem.h"

#include <optional>

namespace platform {

// The program's pictures: "Resources" in the executable's folder's parent
// (an application bundle's Contents, and the build tree: build/bin/tovy
// finds build/Resources), else the installed pictures' folder, found from
// the executable's folder as the build's install layout places it
// (bin/tovy finds ../share/tovy). A folder counts only when it holds at
// least one of the program's picture files, so that another Resources
// folder (~/Resources beside ~/bin) does not hide the installed ones.
// Looked up afresh at each call; none when neither folder holds them.
std::optional<FolderItem> ResourcesFolder();

} // namespace platform
