#pragma once

// Inside the platform layer only: font names of the program to Qt fonts.

#include <QFont>

#include <string_view>

namespace platform {

// The installed family that stands for a font name: "Osaka" is the nearest
// Japanese gothic, "System" (or an empty name) the desktop's font, any other
// name itself when installed, else the desktop's font.
QString ResolveFontFamily(std::string_view name);

// A font of that name at a size in pixels.
QFont FontFor(std::string_view name, float pixels, bool bold, bool underline);

} // namespace platform
