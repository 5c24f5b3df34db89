#pragma once

#include "colorvalue.h"
#include "windowlesscontrol.h"

namespace platform {

// A rectangle outline one pixel wide with a transparent inside.
class Shape : public WindowlessControl {
public:
    // CopyPen draws the outline in BorderColor; Invert inverts the pixels under it.
    enum DrawMode { DrawInvert = 6, DrawCopyPen = 13 };

    Shape(Container& parent, const Design& design, ColorValue borderColor, DrawMode drawMode);

    ColorValue BorderColor() const { return borderColor_; }
    void setBorderColor(ColorValue color);
    DrawMode drawMode() const { return drawMode_; }
    void setDrawMode(DrawMode mode);

    void paint(QImage& canvas, QPoint origin) const override;

private:
    ColorValue borderColor_;
    DrawMode drawMode_;
};

} // namespace platform
