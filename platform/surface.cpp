#include "surface.h"

#include <QPainter>

namespace platform {

void Surface::Resize(int width, int height, ColorValue fill)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (width_ <= storeWidth_ && height_ <= storeHeight_)
        return;
    const int newWidth = static_cast<int>(std::max(width_, storeWidth_));
    const int newHeight = static_cast<int>(std::max(height_, storeHeight_));
    QImage next(newWidth, newHeight, QImage::Format_RGB32);
    next.fill(ToPixel(fill));
    // A store without pixels (a side of 0) has no rows to keep.
    if (bits_) {
        for (std::ptrdiff_t row = 0; row < storeHeight_; ++row)
            std::memcpy(next.scanLine(static_cast<int>(row)), bits_ + row * stride_,
                        static_cast<std::size_t>(storeWidth_) * sizeof(std::uint32_t));
    }
    image_ = std::move(next);
    storeWidth_ = newWidth;
    storeHeight_ = newHeight;
    // Taken once: the image is never shared, so these pointers stay valid until the store grows.
    bits_ = image_.isNull() ? nullptr : reinterpret_cast<std::uint32_t*>(image_.bits());
    stride_ = image_.isNull() ? 0 : static_cast<std::ptrdiff_t>(image_.bytesPerLine() / 4);
}

void Surface::Fill(ColorValue color)
{
    if (!image_.isNull())
        image_.fill(ToPixel(color));
}

ColorValue Surface::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return -1;
    return FromPixel(bits_[y * stride_ + x]);
}

void Surface::SetPixel(int x, int y, ColorValue color)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    bits_[y * stride_ + x] = ToPixel(color);
}

void Surface::Draw(const QImage& picture)
{
    if (image_.isNull() || picture.isNull())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(storeWidth(), source.width());
    const int h = std::min(storeHeight(), source.height());
    for (int row = 0; row < h; ++row)
        std::memcpy(bits_ + row * stride_, source.constScanLine(row),
                    static_cast<std::size_t>(w) * 4);
}

} // namespace platform
