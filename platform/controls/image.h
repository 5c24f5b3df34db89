#pragma once

#include "borderstyle.h"
#include "event.h"
#include "picture.h"
#include "windowlesscontrol.h"

namespace platform {

// Shows a picture stretched over its interior, each source pixel an exact block of whole pixels
// (no smoothing), inside an optional flat one-pixel border. Reports the mouse with positions in
// twips from its outer top-left corner, border included, unrounded: on a scaled display a pixel of
// the image is several device pixels, and each of them reports its own position.
class Image : public WindowlessControl {
public:
    Image(Container& parent, const Design& design, BorderStyle border);

    const platform::Picture& Picture() const { return picture_; }
    void setPicture(const platform::Picture& picture);

    // (button, shift, x, y): x and y in twips.
    Event<int, int, float, float> MouseDown;
    Event<int, int, float, float> MouseMove;
    Event<int, int, float, float> MouseUp;

    void paint(QImage& canvas, QPoint origin) const override;
    bool takesMouse() const override { return true; }
    void mouseEvent(MouseAction action, int buttons, int shift, QPointF position) override;

private:
    platform::Picture picture_;
    BorderStyle border_;
};

} // namespace platform
