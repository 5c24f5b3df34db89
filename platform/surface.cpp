#include "surface.h"

#include <QPainter>

namespace platform {

void Surface::Resize(int width, int height, ColorValue fill)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    const int oldWidth = this->width();
    const int oldHeight = this->height();
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(ToPixel(fill));
    if (!image_.isNull()) {
        const int keepWidth = std::min(width, oldWidth);
        const int keepHeight = std::min(height, oldHeight);
        for (int row = 0; row < keepHeight; ++row)
            std::memcpy(next.scanLine(row), image_.constScanLine(row), static_cast<std::size_t>(keepWidth) * 4);
    }
    image_ = std::move(next);
    width_ = width;
    height_ = height;
    // Taken once: the image is never shared, so these pointers stay valid until the next Resize.
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
    const int w = std::min(width(), source.width());
    const int h = std::min(height(), source.height());
    for (int row = 0; row < h; ++row)
        std::memcpy(bits_ + row * stride_, source.constScanLine(row),
                    static_cast<std::size_t>(w) * 4);
}

} // namespace platform
