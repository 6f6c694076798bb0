#include "platform/drawing/dockitem.h"

#include "platform/application/lasting.h"
#include "platform/application/testing.h"
#include "platform/drawing/graphics.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"
#include "platform/files/folderitem.h"
#include "programiconpixels.h"

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
    std::optional<std::string> file; // set by tests; else the pixels built in
    bool tried = false;
    QIcon icon;
};

ProgramIconState &IconState()
{
    static Lasting<ProgramIconState> state;
    return *state;
}

// tovy.png, made into pixels when the program is built: no picture to find
// or decode at start-up.
QIcon BuiltInIcon()
{
    const QImage image(reinterpret_cast<const uchar *>(kProgramIconPixels), kProgramIconWidth, kProgramIconHeight,
                       kProgramIconWidth * 4, QImage::Format_ARGB32_Premultiplied);
    return QIcon(QPixmap::fromImage(image));
}

QIcon IconFromFile(const std::string &path)
{
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile()) {
        qWarning("Program icon not found: %s", qPrintable(info.filePath()));
        return {};
    }
    if (info.size() > kMaxIconFileBytes) {
        qWarning("Program icon too large: %s", qPrintable(info.filePath()));
        return {};
    }
    // The checked picture reader says itself why a picture is unreadable.
    if (const std::shared_ptr<Picture> picture = FolderItem(path).OpenAsPicture())
        return QIcon(QPixmap::fromImage(picture->Data().image));
    return {};
}

// The program's own icon, made once (a failure too, with one line in the
// log); an empty icon when it cannot be had.
const QIcon &ProgramIcon()
{
    ProgramIconState &state = IconState();
    if (!std::exchange(state.tried, true))
        state.icon = state.file ? IconFromFile(*state.file) : BuiltInIcon();
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
