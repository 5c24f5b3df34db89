#include "image.h"

#include "container.h"
#include "scalemode.h"

#include <QImage>

#include <algorithm>

namespace platform {

Image::Image(Container& parent, const Design& design, BorderStyle border) : WindowlessControl(parent, design), border_(border)
{
    applyGeometry();
}

void Image::setPicture(const platform::Picture& picture)
{
    picture_ = picture;
    Parent().repaintWindowless();
}

void Image::paint(QImage& canvas, QPoint origin) const
{
    const QRect outer = pixelRect();
    const QRect inner = border_ == BorderFixedSingle ? outer.adjusted(1, 1, -1, -1) : outer;
    const QRect visible = inner.intersected(QRect(origin, canvas.size()));
    if (!picture_.IsNull() && !visible.isEmpty()) {
        const QImage& source = picture_.image();
        // Nearest source pixel for every target pixel: whole blocks when the stretch is a whole factor.
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            const int sy = static_cast<int>(static_cast<long long>(y - inner.top()) * source.height() / inner.height());
            const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
            auto* to = reinterpret_cast<QRgb*>(canvas.scanLine(y - origin.y()));
            for (int x = visible.left(); x <= visible.right(); ++x)
                to[x - origin.x()] = from[static_cast<long long>(x - inner.left()) * source.width() / inner.width()] | 0xFF000000U;
        }
    }
    if (border_ == BorderFixedSingle)
        ForEachOutlinePixel(canvas, origin, outer, [](std::uint32_t& pixel) { pixel = 0xFF000000U; });
}

void Image::mouseEvent(MouseAction action, int buttons, int shift, QPointF position)
{
    const auto twips = [this](double pixels) { return Parent().ScaleX(static_cast<float>(pixels), ScaleMode::Pixels, ScaleMode::Twips); };
    const float x = twips(position.x() - pixelRect().left());
    const float y = twips(position.y() - pixelRect().top());
    switch (action) {
    case MouseAction::Down:
        MouseDown(buttons, shift, x, y);
        break;
    case MouseAction::Move:
        MouseMove(buttons, shift, x, y);
        break;
    case MouseAction::Up:
        MouseUp(buttons, shift, x, y);
        break;
    }
}

} // namespace platform
