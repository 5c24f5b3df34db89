#pragma once

#include "control.h"

class QImage;

namespace platform {

// A control without a window of its own: its container paints it in stacking order, under every
// windowed control, and hands it the mouse by hit-testing.
class WindowlessControl : public Control {
public:
    enum class MouseAction { Down, Move, Up };

    // Draws the control onto its container's pixels.
    virtual void paint(QImage& canvas) const = 0;
    virtual bool takesMouse() const { return false; }
    // pixel is in the container's pixels; buttons and shift as in keycodes.h.
    virtual void mouseEvent(MouseAction /*action*/, int /*buttons*/, int /*shift*/, QPoint /*pixel*/) {}

protected:
    using Control::Control;
    void applyGeometry() override;
    void applyVisible() override;
};

} // namespace platform
