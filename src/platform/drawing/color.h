#pragma once

#include <cstdint>

namespace platform {

// A packed 24-bit colour: red in bits 16-23, green 8-15, blue 0-7, the
// alpha given to RGB in bits 24-31 (the program always passes 0).
struct Color {
    uint32_t packed = 0;

    constexpr int32_t Red() const { return static_cast<int32_t>((packed >> 16) & 255u); }
    constexpr int32_t Green() const { return static_cast<int32_t>((packed >> 8) & 255u); }
    constexpr int32_t Blue() const { return static_cast<int32_t>(packed & 255u); }
    friend constexpr bool operator==(Color, Color) = default;
};

// Parts outside 0 to 255 are cut to their low eight bits, as a packed value would be.
constexpr Color RGB(int32_t r, int32_t g, int32_t b, int32_t a = 0)
{
    return Color{(static_cast<uint32_t>(a & 255) << 24) | (static_cast<uint32_t>(r & 255) << 16)
                 | (static_cast<uint32_t>(g & 255) << 8) | static_cast<uint32_t>(b & 255)};
}

} // namespace platform
