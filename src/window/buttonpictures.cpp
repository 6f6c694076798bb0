#include "buttonpictures.h"

#include "platform/application/lasting.h"
#include "platform/drawing/picture.h"
#include "platform/files/folderitem.h"
#include "platform/files/resourcesfolder.h"

#include <array>
#include <optional>
#include <string_view>

namespace tovy {
namespace {

enum Slot { kBakYea, kBakYea2, kBakMon, kBakMon2, kReset, kReset2, kNextMon, kNextMon2, kNextYea, kNextYea2,
            kSmal, kSmal2, kSet, kSet2, kBlank, kTovy3, kSlotCount };

std::array<std::shared_ptr<platform::Picture>, kSlotCount> &Loaded()
{
    static platform::Lasting<std::array<std::shared_ptr<platform::Picture>, kSlotCount>> pictures;
    return *pictures;
}

std::string &FolderForTests()
{
    static std::string path;
    return path;
}

std::optional<platform::FolderItem> PicturesFolder()
{
    if (FolderForTests().empty())
        return platform::ResourcesFolder();
    platform::FolderItem folder(FolderForTests());
    if (!folder.IsFolder())
        return std::nullopt;
    return folder;
}

// Once loaded, a picture is never read again; a failed load is retried,
// folder lookup included, at the next use.
std::shared_ptr<platform::Picture> Get(Slot slot, std::string_view fileName)
{
    std::shared_ptr<platform::Picture> &picture = Loaded()[slot];
    if (picture)
        return picture;
    if (const auto folder = PicturesFolder()) {
        picture = folder->Child(fileName).OpenAsPicture();
        if (picture && slot == kBlank)
            picture->SetTransparent(1);
    }
    return picture;
}

} // namespace

std::shared_ptr<platform::Picture> BakYea() { return Get(kBakYea, "BakYea.PCT"); }
std::shared_ptr<platform::Picture> BakYea2() { return Get(kBakYea2, "BakYea2.PCT"); }
std::shared_ptr<platform::Picture> BakMon() { return Get(kBakMon, "BakMon.PCT"); }
std::shared_ptr<platform::Picture> BakMon2() { return Get(kBakMon2, "BakMon2.PCT"); }
std::shared_ptr<platform::Picture> Reset() { return Get(kReset, "Reset.PCT"); }
std::shared_ptr<platform::Picture> Reset2() { return Get(kReset2, "Reset2.PCT"); }
std::shared_ptr<platform::Picture> NextMon() { return Get(kNextMon, "NextMon.PCT"); }
std::shared_ptr<platform::Picture> NextMon2() { return Get(kNextMon2, "NextMon2.PCT"); }
std::shared_ptr<platform::Picture> NextYea() { return Get(kNextYea, "NextYea.PCT"); }
std::shared_ptr<platform::Picture> NextYea2() { return Get(kNextYea2, "NextYea2.PCT"); }
std::shared_ptr<platform::Picture> smal() { return Get(kSmal, "smal.pct"); }
std::shared_ptr<platform::Picture> smal2() { return Get(kSmal2, "smal2.pct"); }
std::shared_ptr<platform::Picture> Set() { return Get(kSet, "Set.pct"); }
std::shared_ptr<platform::Picture> Set2() { return Get(kSet2, "Set2.pct"); }
std::shared_ptr<platform::Picture> Blank() { return Get(kBlank, "Blank.PCT"); }
std::shared_ptr<platform::Picture> Tovy3() { return Get(kTovy3, "Tovy3.jpg"); }

namespace testing {

void ForgetButtonPictures()
{
    Loaded().fill(nullptr);
}

void SetButtonPicturesFolder(std::string path)
{
    FolderForTests() = std::move(path);
}

} // namespace testing

} // namespace tovy
