#include "dockitem.h"

#include "folderitem.h"
#include "graphics.h"
#include "lasting.h"
#include "picture.h"
#include "picturedata.h"
#include "resourcesfolder.h"
#include "testing.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtDebug>

#include <optional>
#include <string>
#include <utility>

namespace platform {
namespace {

// Our icon is a few kilobytes; a file far larger is not read.
constexpr qint64 kMaxIconFileBytes = 4 * 1024 * 1024;

struct ProgramIconState {
    std::optional<std::string> file; // set by tests; else tovy.png in the resources folder
    bool tried = false;
    QIcon icon;
};

ProgramIconState &IconState()
{
    static Lasting<ProgramIconState> state;
    return *state;
}

std::optional<FolderItem> ProgramIconFile()
{
    if (IconState().file)
        return FolderItem(*IconState().file);
    if (const auto folder = ResourcesFolder())
        return folder->Child("tovy.png");
    return std::nullopt;
}

// The program's own icon, read once (a failure too, with one line in the
// log); an empty icon when it cannot be had.
const QIcon &ProgramIcon()
{
    ProgramIconState &state = IconState();
    if (std::exchange(state.tried, true))
        return state.icon;
    const std::optional<FolderItem> file = ProgramIconFile();
    if (!file) {
        qWarning("Program icon not found: no resources folder");
        return state.icon;
    }
    const QFileInfo info(QString::fromStdString(file->Path()));
    if (!info.isFile()) {
        qWarning("Program icon not found: %s", qPrintable(info.filePath()));
        return state.icon;
    }
    if (info.size() > kMaxIconFileBytes) {
        qWarning("Program icon too large: %s", qPrintable(info.filePath()));
        return state.icon;
    }
    // The checked picture reader says itself why a picture is unreadable.
    if (const std::shared_ptr<Picture> picture = file->OpenAsPicture())
        state.icon = QIcon(QPixmap::fromImage(picture->Data().image));
    return state.icon;
}

bool GuiRunning() { return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr; }

void ShowIcon(const QIcon &icon)
{
    if (GuiRunning())
        QGuiApplication::setWindowIcon(icon);
}

} // namespace

// The tile picture is made when first drawn into or shown: start-up only
// shows the program's own icon.
DockItem::DockItem() = default;

DockItem::~DockItem() = default;

Picture &DockItem::Tile() const
{
    if (!picture_)
        picture_ = std::make_unique<Picture>(kTileSide, kTileSide, 32);
    return *picture_;
}

Graphics &DockItem::Graphics()
{
    return Tile().Graphics();
}

void DockItem::UpdateNow()
{
    // On macOS the application's window icon is also its Dock tile.
    ShowIcon(QIcon(QPixmap::fromImage(Tile().Data().Shown())));
}

void DockItem::ResetIcon()
{
    if (GuiRunning())
        ShowIcon(ProgramIcon());
}

const Picture &DockItem::Canvas() const
{
    return Tile();
}

namespace testing {

void SetProgramIconFile(std::string path)
{
    ProgramIconState &state = IconState();
    state.file = path.empty() ? std::nullopt : std::optional<std::string>(std::move(path));
    state.tried = false;
    state.icon = QIcon();
}

} // namespace testing

} // namespace platform
