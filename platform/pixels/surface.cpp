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
    rowShift_ = 0;
    while (tilesPerRow() * TileSize < storeWidth_)
        ++rowShift_;
    tiles_.assign(static_cast<std::size_t>(tilesPerRow() * ((storeHeight_ + TileSize - 1) >> TileShift)), 0);
    changed_ = tiles_.data();
    MarkAllChanged();
}

void Surface::Fill(ColorValue color)
{
    if (!image_.isNull())
        image_.fill(ToPixel(color));
    MarkAllChanged();
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
    MarkChanged(x, y, 1, 1);
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
    MarkAllChanged();
}

QRegion Surface::TakeChanged()
{
    const QRect visible(0, 0, width(), height());
    QRegion changed;
    if (allChanged_) {
        changed = visible;
    } else {
        // Each run of marked tiles in a row of tiles is one rectangle, widened to the right and
        // downwards by as far as a dot marked in its top-left tile reaches.
        const std::ptrdiff_t columns = tilesPerRow();
        const std::ptrdiff_t rows = static_cast<std::ptrdiff_t>(tiles_.size()) >> rowShift_;
        for (std::ptrdiff_t row = 0; row < rows; ++row) {
            const std::uint32_t* flags = changed_ + (row << rowShift_);
            for (std::ptrdiff_t column = 0; column < columns;) {
                if (!flags[column]) {
                    ++column;
                    continue;
                }
                const std::ptrdiff_t first = column;
                while (column < columns && flags[column])
                    ++column;
                changed += QRect(static_cast<int>(first << TileShift), static_cast<int>(row << TileShift),
                                 static_cast<int>((column - first) << TileShift) + reach_, TileSize + reach_)
                               .intersected(visible);
            }
        }
    }
    std::fill(tiles_.begin(), tiles_.end(), 0U);
    reach_ = 0;
    allChanged_ = false;
    // Many small pieces cost more to paint than the rectangle round them when they fill most of it.
    const QRect bounds = changed.boundingRect();
    long long area = 0;
    for (const QRect& piece : changed)
        area += static_cast<long long>(piece.width()) * piece.height();
    if (2 * area >= static_cast<long long>(bounds.width()) * bounds.height())
        return bounds;
    return changed;
}

} // namespace platform
