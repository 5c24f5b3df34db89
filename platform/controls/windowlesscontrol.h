#pragma once

#include "control.h"

#include <QImage>

#include <cstdint>

namespace platform {

// A control without a window of its own: its container paints it in stacking order, under every
// windowed control, and hands it the mouse by hit-testing.
class WindowlessControl : public Control {
public:
    enum class MouseAction { Down, Move, Up };

    // Draws the control onto a canvas that holds its container's pixels from `origin` on: canvas
    // pixel (0, 0) is container pixel origin. Nothing is drawn outside the canvas.
    virtual void paint(QImage& canvas, QPoint origin) const = 0;
    virtual bool takesMouse() const { return false; }
    // position is in the container's pixels, with the fraction that a display scale gives it;
    // buttons and shift as in keycodes.h.
    virtual void mouseEvent(MouseAction /*action*/, int /*buttons*/, int /*shift*/, QPointF /*position*/) {}

protected:
    using Control::Control;

    // Calls paint(pixel) once for every pixel of the one-pixel outline of r (in container pixels)
    // that lies on the canvas; origin as for paint.
    template <class Paint>
    static void ForEachOutlinePixel(QImage& canvas, QPoint origin, QRect r, Paint&& paint)
    {
        if (r.width() <= 0 || r.height() <= 0)
            return;
        const QRect clip(origin, canvas.size());
        const auto at = [&](int x, int y) {
            if (clip.contains(x, y))
                paint(reinterpret_cast<std::uint32_t*>(canvas.scanLine(y - origin.y()))[x - origin.x()]);
        };
        for (int x = r.left(); x <= r.right(); ++x) {
            at(x, r.top());
            if (r.bottom() != r.top())
                at(x, r.bottom());
        }
        for (int y = r.top() + 1; y < r.bottom(); ++y) {
            at(r.left(), y);
            if (r.right() != r.left())
                at(r.right(), y);
        }
    }
    void applyGeometry() override;
    void applyVisible() override;
};

} // namespace platform
