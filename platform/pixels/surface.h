#pragma once

#include "colorvalue.h"

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {

// A persistent pixel image: what is drawn into it stays until it is filled again, whatever size
// it is given in between. Its store never shrinks: a smaller size only hides the pixels beyond it,
// and they show again when the size grows back. Drawing reaches the whole store; reading (Pixel)
// answers for the visible width by height only.
//
// It also keeps what changed since it was last shown, in tiles of 32 by 32 pixels, so that a
// screen update covers the changed tiles only: a dot marks the tile of its top-left corner.
class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The visible size.
    int width() const { return static_cast<int>(width_); }
    int height() const { return static_cast<int>(height_); }
    // The store: at least the largest size the surface has had.
    int storeWidth() const { return static_cast<int>(storeWidth_); }
    int storeHeight() const { return static_cast<int>(storeHeight_); }
    // Pixels per row of bits().
    std::ptrdiff_t stride() const { return stride_; }
    std::uint32_t* bits() { return bits_; }
    const std::uint32_t* bits() const { return bits_; }

    // New visible size, each side >= 0. The store grows to hold it; what was drawn stays, and new
    // store area takes `fill`.
    void Resize(int width, int height, ColorValue fill);
    // Fills the whole store.
    void Fill(ColorValue color);
    // 0 <= x < width, 0 <= y < height; returns -1 outside.
    ColorValue Pixel(int x, int y) const;
    void SetPixel(int x, int y, ColorValue color);

    // The store as a Qt image for painting (the visible part is its top-left width by height);
    // shares the memory, valid until the store grows.
    const QImage& image() const { return image_; }
    // Copies an image at one pixel per pixel with its top-left corner at (0, 0), clipped to the store.
    void Draw(const QImage& picture);

    static constexpr int TileShift = 5;
    static constexpr int TileSize = 1 << TileShift;
    // Records a change of the block at (x, y), which lies inside the store and is not empty.
    void MarkChanged(int x, int y, int width, int height)
    {
        const std::ptrdiff_t left = x >> TileShift;
        const std::ptrdiff_t top = (y >> TileShift) << rowShift_;
        if (width <= TileSize && height <= TileSize) {
            // A dot marks the tile of its top-left corner; TakeChanged widens every marked tile by
            // the largest reach of a dot beyond it (one pixel less than its side).
            changed_[top + left] = 1;
            reach_ = std::max(reach_, static_cast<std::uint16_t>(std::max(width, height) - 1));
            return;
        }
        const std::ptrdiff_t right = (x + width - 1) >> TileShift;
        const std::ptrdiff_t bottom = ((y + height - 1) >> TileShift) << rowShift_;
        for (std::ptrdiff_t row = top; row <= bottom; row += tilesPerRow())
            std::fill(changed_ + row + left, changed_ + row + right + 1, 1U);
    }
    // The visible part of what changed since the last call, in whole tiles; then forgets it.
    QRegion TakeChanged();

private:
    // Rows of tiles are a power of two long, so that a tile's place takes shifts alone.
    std::ptrdiff_t tilesPerRow() const { return std::ptrdiff_t{1} << rowShift_; }
    void MarkAllChanged() { allChanged_ = true; }

    QImage image_;
    std::uint32_t* bits_ = nullptr;
    // Wider than the pixels so that a pixel store can never alias them: the compiler then keeps
    // them in registers across a loop of dot copies.
    std::ptrdiff_t width_ = 0;
    std::ptrdiff_t height_ = 0;
    std::ptrdiff_t storeWidth_ = 0;
    std::ptrdiff_t storeHeight_ = 0;
    std::ptrdiff_t stride_ = 0;
    // One flag a tile, row by row over the store. 32 bits wide: a store of a flag can alias a
    // pixel but none of the sizes and pointers above, which stay in registers across dot copies.
    std::vector<std::uint32_t> tiles_;
    std::uint32_t* changed_ = nullptr;
    std::ptrdiff_t rowShift_ = 0;
    std::uint16_t reach_ = 0; // 16 bits: its store aliases none of the members above
    bool allChanged_ = true;
};

// A borrowed handle to a surface: it never owns what it names and stays valid while the surface lives.
struct DeviceContext {
    Surface* surface = nullptr;
    explicit operator bool() const { return surface != nullptr; }
    bool operator==(const DeviceContext&) const = default;
};

} // namespace platform
