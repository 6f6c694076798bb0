#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class Graphics;
class PictureData;

// An off-screen picture, 32 bits per pixel, starting white.
class Picture {
public:
    Picture(int32_t width, int32_t height, int32_t depth = 32);
    explicit Picture(std::unique_ptr<PictureData> data);
    ~Picture();
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;

    int32_t Width() const;
    int32_t Height() const;
    platform::Graphics &Graphics();

    // 0 opaque; 1 makes the picture's white see-through where it is drawn.
    int32_t Transparent() const;
    void SetTransparent(int32_t mode);

    PictureData &Data() const { return *data_; }

private:
    std::unique_ptr<PictureData> data_;
    std::unique_ptr<platform::Graphics> graphics_;
};

} // namespace platform
