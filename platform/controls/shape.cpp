#include "shape.h"

#include "container.h"

#include <QImage>

namespace platform {

Shape::Shape(Container& parent, const Design& design, ColorValue borderColor, DrawMode drawMode)
    : WindowlessControl(parent, design), borderColor_(borderColor), drawMode_(drawMode)
{
    applyGeometry();
}

void Shape::setBorderColor(ColorValue color)
{
    if (color == borderColor_)
        return;
    borderColor_ = color;
    Parent().repaintWindowless();
}

void Shape::setDrawMode(DrawMode mode)
{
    if (mode == drawMode_)
        return;
    drawMode_ = mode;
    Parent().repaintWindowless();
}

void Shape::paint(QImage& canvas, QPoint origin) const
{
    const std::uint32_t pen = ToPixel(borderColor_);
    if (drawMode_ == DrawInvert)
        ForEachOutlinePixel(canvas, origin, pixelRect(), [](std::uint32_t& pixel) { pixel ^= 0x00FFFFFFU; });
    else
        ForEachOutlinePixel(canvas, origin, pixelRect(), [pen](std::uint32_t& pixel) { pixel = pen; });
}

} // namespace platform
