#pragma once

#include "colorvalue.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// An image that controls show: a button's picture, a palette, a window icon.
class Picture {
public:
    Picture() = default;

    // Decodes a complete BMP file image; a null picture when the bytes are not one.
    static Picture FromBmp(std::span<const std::uint8_t> bytes);
    // width * height colours, row by row from the top.
    static Picture FromPixels(int width, int height, const std::vector<ColorValue>& pixels);
    // A copy of the image, as 32-bit RGB.
    static Picture FromImage(const QImage& image);

    bool IsNull() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // 0 <= x < Width, 0 <= y < Height; returns -1 outside.
    ColorValue Pixel(int x, int y) const;

    // The same picture with every pixel of maskColor transparent, as a button shows it.
    Picture Masked(ColorValue maskColor) const;

    const QImage& image() const { return image_; }

private:
    explicit Picture(QImage image) : image_(std::move(image)) {}
    QImage image_;
};

} // namespace platform
