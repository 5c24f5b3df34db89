#include "picture.h"

namespace platform {

Picture Picture::FromBmp(std::span<const std::uint8_t> bytes)
{
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"))
        return {};
    return Picture(image.convertToFormat(QImage::Format_RGB32));
}

Picture Picture::FromPixels(int width, int height, const std::vector<ColorValue>& pixels)
{
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = ToPixel(pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]);
    }
    return Picture(std::move(image));
}

Picture Picture::FromImage(const QImage& image) { return Picture(image.convertToFormat(QImage::Format_RGB32)); }

ColorValue Picture::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return -1;
    return FromPixel(image_.pixel(x, y));
}

Picture Picture::Masked(ColorValue maskColor) const
{
    QImage masked = image_.convertToFormat(QImage::Format_ARGB32);
    const std::uint32_t mask = ToPixel(maskColor);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] | 0xFF000000U) == mask)
                line[x] = 0;
    }
    return Picture(std::move(masked));
}

} // namespace platform
