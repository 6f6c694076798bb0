#include "dockitem.h"

#include "graphics.h"
#include "picture.h"
#include "picturedata.h"
#include "resourcesfolder.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace platform {
namespace {

constexpr int kTileSide = 512;

// The program's own icon, read once; an empty icon when it cannot be found.
const QIcon &ProgramIcon()
{
    static QIcon icon;
    if (icon.isNull()) {
        if (const auto folder = ResourcesFolder()) {
            const QImage image(QString::fromStdString(folder->Child("tovy.png").Path()));
            if (!image.isNull())
                icon = QIcon(QPixmap::fromImage(image));
        }
    }
    return icon;
}

void ShowIcon(const QIcon &icon)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setWindowIcon(icon);
}

} // namespace

DockItem::DockItem() : picture_(std::make_unique<Picture>(kTileSide, kTileSide, 32)) {}

DockItem::~DockItem() = default;

Graphics &DockItem::Graphics()
{
    return picture_->Graphics();
}

void DockItem::UpdateNow()
{
    // On macOS the application's window icon is also its Dock tile.
    ShowIcon(QIcon(QPixmap::fromImage(picture_->Data().Shown())));
}

void DockItem::ResetIcon()
{
    ShowIcon(ProgramIcon());
}

const Picture &DockItem::Canvas() const
{
    return *picture_;
}

} // namespace platform
