#pragma once

#include "colorvalue.h"
#include "borderstyle.h"
#include "event.h"
#include "picture.h"
#include "surface.h"
#include "windowedcontrol.h"

namespace platform {

// A box with a persistent image: whatever is drawn into hDC stays until Cls, and Refresh puts it
// on the screen. Measures in pixels; its inner size excludes the optional one-pixel border.
class PictureBox : public WindowedControl {
public:
    PictureBox(Container& parent, const Design& design, ColorValue backColor, BorderStyle border);

    ColorValue BackColor() const { return backColor_; }
    // Paints the whole image in the new colour, as Cls does.
    void setBackColor(ColorValue color);
    // Fills the image with BackColor, then shows Picture at the top-left corner again.
    void Cls();
    // Shows the image on the screen now.
    void Refresh();
    // The colour of one pixel of the image; -1 outside it.
    ColorValue Point(float x, float y) const;
    // What the image holds now, ScaleWidth by ScaleHeight pixels: the picture a user keeps.
    platform::Picture Image() const;
    float ScaleWidth() const { return static_cast<float>(surface_.width()); }
    float ScaleHeight() const { return static_cast<float>(surface_.height()); }
    DeviceContext hDC() { return DeviceContext{&surface_}; }

    const platform::Picture& Picture() const { return picture_; }
    // Draws the picture into the image at one pixel per pixel; Cls draws it again.
    void setPicture(const platform::Picture& picture);

    // (key code, shift)
    Event<int, int> KeyDown;
    // A user asks for the box's menu: the right button at (x, y) of the box, in pixels, or the
    // Menu key or Shift+F10 while it has the focus, at its top-left inner corner. (x, y, by keyboard)
    Event<int, int, bool> ContextMenu;
    Event<> GotFocus;
    Event<> LostFocus;

    int borderWidth() const { return border_ == BorderFixedSingle ? 1 : 0; }
    // Its colour, as "#8B00AE".
    std::string AccessibleValue() const override;
    const Surface& surface() const { return surface_; }

protected:
    void applyGeometry() override;

private:
    class Widget;
    Surface surface_;
    ColorValue backColor_;
    BorderStyle border_;
    platform::Picture picture_;
};

} // namespace platform
