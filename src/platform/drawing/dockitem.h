#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class Graphics;
class Picture;

// The application's icon picture. On macOS it is the Dock tile; elsewhere
// the picture becomes the icon of the program's windows and taskbar entry.
class DockItem {
public:
    static constexpr int32_t kTileSide = 512;

    DockItem();
    ~DockItem();

    platform::Graphics &Graphics(); // a kTileSide by kTileSide picture to draw into
    void UpdateNow();               // show what was drawn
    void ResetIcon();               // the program's own icon again

    const Picture &Canvas() const;  // what Graphics() draws into

private:
    Picture &Tile() const; // made at the first use

    mutable std::unique_ptr<Picture> picture_;
};

} // namespace platform
