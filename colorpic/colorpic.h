#pragma once

#include "colorvalue.h"
#include "event.h"
#include "image.h"
#include "picturebox.h"
#include "shape.h"
#include "timer.h"
#include "usercontrol.h"

#include <cstdint>
#include <string>
#include <vector>

namespace colorpic {

using platform::ColorValue;

// A colour picker: a palette of 49 by 19 colour cells, shown SizeFactor times enlarged, in which
// one cell is selected and ringed by a frame. The user picks with any mouse button or moves the
// frame with the arrow keys; every such pick sets RGBColor and raises RGBChanged. While the picker
// has the focus the frame blinks.
class ColorPic : public platform::UserControl {
public:
    // Zoom limits: a factor below 1 has no cells to point at, and one far above this makes a
    // control too large to draw.
    static constexpr std::int32_t MinSizeFactor = 1;
    static constexpr std::int32_t MaxSizeFactor = 100;

    ColorPic(platform::Container& host, const platform::Design& design);

    // The chosen colour, 0x00BBGGRR. A written value is kept exactly, even one the palette lacks;
    // the frame then rings the nearest palette colour. Writing raises no RGBChanged.
    ColorValue RGBColor() const { return m_RGBColor; }
    void setRGBColor(ColorValue New_RGBColor);
    // Edge of one palette cell on screen in pixels; the control's size follows from it.
    std::int32_t SizeFactor() const { return m_SizeFactor; }
    void setSizeFactor(std::int32_t New_SizeFactor);

    // Raised after every pick by the user, also when the colour stays the same.
    platform::Event<> RGBChanged;

    // The selected cell, column 0..48 and row 0..18.
    int selectedColumn() const;
    int selectedRow() const;
    bool hasFocus() const { return m_HasFocus; }
    bool mouseHeld() const { return m_MouseHeld; }
    bool blinking() const { return Timer1.Enabled(); }
    int blinkIndex() const { return blinkIndex_; }
    const std::vector<ColorValue>& blinkColors() const { return m_BlinkColors; }

    // For screen readers: a colour chooser whose value is the colour and the selected cell, as
    // "#44FFAF, column 20, row 2".
    AccessibleRole accessibleRole() const override { return AccessibleRole::ColorChooser; }
    std::string AccessibleValue() const override;

    // The constituent controls, for hosts' tests.
    const platform::PictureBox& store() const { return picStore; }
    const platform::Image& image() const { return imgShow; }
    const platform::Shape& frame() const { return shpSelected; }

protected:
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void UserControl_Hide() override;

private:
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void imgShow_MouseDown(int button, int shift, float X, float Y);
    void imgShow_MouseMove(int button, int shift, float X, float Y);
    void imgShow_MouseUp(int button, int shift, float X, float Y);
    void picStore_KeyDown(int keyCode, int shift);
    void Timer1_Timer();

    void ApplySizeFactor();
    void FindColor();
    void MoveSelection(float& left, float& top);
    void SelectAt(float X, float Y);
    void TakeSelectedColor();
    static std::int32_t ValidSizeFactor(std::int32_t factor);

    // Stacking order is creation order: the frame lies above the enlarged palette.
    platform::PictureBox picStore;
    platform::Image imgShow;
    platform::Shape shpSelected;
    platform::Timer Timer1;

    ColorValue m_RGBColor = 0;
    std::int32_t m_SizeFactor = 0;
    float m_SelLeft = 0;
    float m_SelTop = 0;
    bool m_HasFocus = false;
    bool m_MouseHeld = false;
    std::vector<ColorValue> m_BlinkColors;
    int blinkIndex_ = 0;
};

} // namespace colorpic
