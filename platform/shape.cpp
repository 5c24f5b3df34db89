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

void Shape::paint(QImage& canvas) const
{
    const QRect r = pixelRect();
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QRect clip = canvas.rect();
    const std::uint32_t pen = ToPixel(borderColor_);
    // Each pixel of the ring exactly once, so that inverting twice never happens at the corners.
    const auto mark = [&](int x, int y) {
        if (!clip.contains(x, y))
            return;
        auto* pixel = reinterpret_cast<std::uint32_t*>(canvas.scanLine(y)) + x;
        *pixel = drawMode_ == DrawInvert ? (*pixel ^ 0x00FFFFFFU) : pen;
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        mark(x, r.top());
        if (r.bottom() != r.top())
            mark(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        mark(r.left(), y);
        if (r.right() != r.left())
            mark(r.right(), y);
    }
}

} // namespace platform
