// The settings file "Tovy prefs": nine lines written by Save_State and read
// back while the calendar window opens.

#include "window/window1.h"

#include "design/required.h"
#include "platform/files/folderitem.h"
#include "platform/files/text.h"
#include "platform/files/textinputstream.h"
#include "platform/files/textoutputstream.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/radiobutton.h"
#include "settings/module1.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tovy {

namespace {

constexpr std::string_view kFileName = "Tovy prefs";

// No screen lies this far out; bounding an edited position keeps the
// window's arithmetic (corners, centre offsets) clear of overflow.
constexpr int32_t kFarthestPosition = 1'000'000;

// A line as the writer meant it: a stray CR of a CR CR LF or old Mac line
// end and a byte-order mark an editor put in front are not part of it.
std::string CleanLine(std::string line, bool first)
{
    if (first && line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool ReadFlag(const std::string &line)
{
    return line == "True";
}

const char *FlagText(bool flag)
{
    return flag ? "True" : "False";
}

int32_t ReadPosition(const std::string &line)
{
    return std::clamp(platform::Val(line), -kFarthestPosition, kFarthestPosition);
}

int32_t ReadColourPart(const std::string &line)
{
    return std::clamp(platform::Val(line), 0, 255);
}

// 0 stands for "never set" and becomes 100 later in the opening; any other
// value outside the slider's range would open a window too faint to see.
int32_t ReadTransparency(const std::string &line)
{
    int32_t trans = platform::Val(line);
    return trans == 0 ? 0 : std::clamp(trans, 50, 100);
}

void ReportIgnored(const std::string &path, const std::string &reason)
{
    std::cerr << "tovy: settings file \"" << path << "\" ignored: " << reason << '\n';
}

void ReportSaveFailure(const std::string &path, const std::string &reason)
{
    std::cerr << "tovy: settings not saved to \"" << path << "\": " << reason << '\n';
}

} // namespace

void Window1::Read_Settings(int32_t &red, int32_t &green, int32_t &blue)
{
    // No settings folder or no file yet: the defaults, silently; a save says
    // what is wrong with the folder.
    const std::optional<platform::FolderItem> item = platform::GetFolderItem(kFileName);
    if (!item || !item->Exists())
        return;
    std::string error;
    const std::unique_ptr<platform::TextInputStream> in = item->OpenAsTextFile(&error);
    if (!in) {
        ReportIgnored(item->Path(), error.empty() ? "cannot be read" : error);
        return;
    }

    // Only the first nine lines are read, each within the stream's bound;
    // whatever follows them, however long, is never looked at.
    int32_t lineNumber = 0;
    auto next = [&] {
        ++lineNumber;
        return CleanLine(in->ReadLine(), lineNumber == 1);
    };

    Win_Top = ReadPosition(next());
    Win_Left = ReadPosition(next());
    red = ReadColourPart(next());
    green = ReadColourPart(next());
    blue = ReadColourPart(next());
    Win_Small = ReadFlag(next());
    Module1::Trans = ReadTransparency(next());
    // Set at once, so that the check box's action runs before line 9 is read.
    Required(CheckBox1(), "CheckBox1").SetValue(ReadFlag(next()));
    const int32_t mode = platform::Val(next());
    if (mode >= 0 && mode <= 3)
        Required(RadioButton1(mode), "RadioButton1").SetValue(true);

    SetTop(Win_Top);
    SetLeft(Win_Left);
    in->Close();
}

void Window1::Save_State()
{
    Large_Win();

    platform::FileProblem problem;
    const std::optional<platform::FolderItem> item = platform::GetFolderItem(kFileName, &problem);
    if (!item) {
        ReportSaveFailure(problem.path, problem.reason);
        return;
    }
    std::string error;
    const std::unique_ptr<platform::TextOutputStream> out = item->CreateTextFile(&error);
    if (!out) {
        ReportSaveFailure(item->Path(), error.empty() ? "cannot be created" : error);
        return;
    }

    const platform::CheckBox *dock = CheckBox1();
    out->WriteLine(platform::Str(Top()));
    out->WriteLine(platform::Str(Left()));
    out->WriteLine(platform::Str(Module1::My_Col.Red()));
    out->WriteLine(platform::Str(Module1::My_Col.Green()));
    out->WriteLine(platform::Str(Module1::My_Col.Blue()));
    out->WriteLine(FlagText(Win_Small));
    out->WriteLine(platform::Str(Module1::Trans));
    out->WriteLine(FlagText(dock != nullptr && dock->Value()));
    out->WriteLine(platform::Str(Module1::MyDock));
    if (!out->Close()) {
        const std::string why = out->ErrorString();
        ReportSaveFailure(item->Path(), why.empty() ? "the file could not be written" : why);
        return;
    }

    item->SetMacCreator("Tovy");
    item->SetMacType("pref");
}

} // namespace tovy
