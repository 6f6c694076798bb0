#pragma once

#include "platform/drawing/color.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class Picture;

// Drawing into a picture. Text sizes are pixels; "Osaka" is the nearest
// Japanese gothic font. A picture that is none draws nothing.
class Graphics {
public:
    explicit Graphics(Picture &target);

    void SetForeColor(Color color) { foreColor_ = color; }
    const std::string &TextFont() const { return font_; }
    void SetTextFont(std::string font) { font_ = std::move(font); }
    float TextSize() const { return textSize_; }
    void SetTextSize(float pixels) { textSize_ = pixels; }
    bool Bold() const { return bold_; }
    void SetBold(bool bold) { bold_ = bold; }
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline) { underline_ = underline; }

    void FillRect(int32_t x, int32_t y, int32_t width, int32_t height);

    // The first line's baseline lies at y; each carriage return starts a new
    // line one line height lower, again at x.
    void DrawString(std::string_view text, int32_t x, int32_t y);

    // At x, y in the picture's own size, or the source rectangle scaled
    // (smoothly) into the destination rectangle.
    void DrawPicture(const Picture *picture, int32_t x, int32_t y);
    void DrawPicture(const Picture *picture, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);

private:
    Picture *target_;
    Color foreColor_{};
    std::string font_ = "System";
    float textSize_ = 12.0f;
    bool bold_ = false;
    bool underline_ = false;
};

} // namespace platform
