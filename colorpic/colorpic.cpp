#include "colorpic.h"

#include "colorpicdesign.h"
#include "colortext.h"
#include "keycodes.h"
#include "palette.h"
#include "picture.h"

#include <algorithm>
#include <cmath>

namespace colorpic {

using platform::Design;
using platform::RGB;
using platform::ScaleMode;

ColorPic::ColorPic(platform::Container& host, const Design& design)
    : UserControl(host, design)
    , picStore(*this, colorpic::design::picStore, RGB(255, 255, 255), platform::BorderNone)
    , imgShow(*this, platform::Tr(colorpic::design::TextContext, colorpic::design::imgShow), platform::BorderFixedSingle)
    , shpSelected(*this, colorpic::design::shpSelected, RGB(0, 0, 0), platform::Shape::DrawCopyPen)
    , Timer1(false, colorpic::design::BlinkIntervalMs)
{
    picStore.setPicture(platform::Picture::FromBmp(PaletteBmp()));
    setFocusChild(picStore);
    imgShow.MouseDown = [this](int b, int s, float x, float y) { imgShow_MouseDown(b, s, x, y); };
    imgShow.MouseMove = [this](int b, int s, float x, float y) { imgShow_MouseMove(b, s, x, y); };
    imgShow.MouseUp = [this](int b, int s, float x, float y) { imgShow_MouseUp(b, s, x, y); };
    picStore.KeyDown = [this](int k, int s) { picStore_KeyDown(k, s); };
    picStore.GotFocus = [this] { UserControl_GotFocus(); };
    picStore.LostFocus = [this] { UserControl_LostFocus(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

int ColorPic::selectedColumn() const { return m_SizeFactor < 1 ? 0 : static_cast<int>(m_SelLeft / static_cast<float>(m_SizeFactor)); }
int ColorPic::selectedRow() const { return m_SizeFactor < 1 ? 0 : static_cast<int>(m_SelTop / static_cast<float>(m_SizeFactor)); }

std::int32_t ColorPic::ValidSizeFactor(std::int32_t factor) { return std::clamp(factor, MinSizeFactor, MaxSizeFactor); }

void ColorPic::setRGBColor(ColorValue New_RGBColor)
{
    m_RGBColor = New_RGBColor;
    PropertyChanged("RGBColor");
    FindColor();
    AccessibleValueChanged();
}

std::string ColorPic::AccessibleValue() const
{
    return platform::Fill(platform::Tr(colorpic::design::TextContext, colorpic::design::ChosenColorWords),
                          {platform::ColorText(m_RGBColor), std::to_string(selectedColumn()), std::to_string(selectedRow())});
}

void ColorPic::setSizeFactor(std::int32_t New_SizeFactor)
{
    m_SizeFactor = ValidSizeFactor(New_SizeFactor);
    PropertyChanged("SizeFactor");
    ApplySizeFactor();
    FindColor();
}

void ColorPic::UserControl_Initialize()
{
    // The frame's blink ramp: black, rising greys, white, falling greys.
    m_BlinkColors.assign(1, 0);
    for (int i = 0; i < 6; ++i)
        m_BlinkColors.push_back(RGB(0, 0, 0));
    for (int v = 32; v <= 255; v += 64)
        m_BlinkColors.push_back(RGB(v, v, v));
    for (int i = 0; i < 7; ++i)
        m_BlinkColors.push_back(RGB(255, 255, 255));
    for (int v = 255; v >= 0; v -= 64)
        m_BlinkColors.push_back(RGB(v, v, v));
}

void ColorPic::UserControl_InitProperties()
{
    m_RGBColor = 0;
    m_SizeFactor = colorpic::design::DefaultSizeFactor;
    ApplySizeFactor();
}

void ColorPic::UserControl_ReadProperties(const platform::PropertyBag& bag)
{
    m_RGBColor = bag.ReadProperty("RGBColor", 0);
    m_SizeFactor = ValidSizeFactor(bag.ReadProperty("SizeFactor", colorpic::design::DefaultSizeFactor));
    ApplySizeFactor();
    FindColor();
}

void ColorPic::UserControl_WriteProperties(platform::PropertyBag& bag)
{
    bag.WriteProperty("RGBColor", m_RGBColor, 0);
    bag.WriteProperty("SizeFactor", m_SizeFactor, colorpic::design::DefaultSizeFactor);
}

void ColorPic::ApplySizeFactor()
{
    imgShow.setPicture(picStore.Picture());
    imgShow.Move(0, 0, picStore.Width() * static_cast<float>(m_SizeFactor) + 2,
                 picStore.Height() * static_cast<float>(m_SizeFactor) + 2);
    UserControl_Resize();
}

void ColorPic::UserControl_Resize()
{
    // The control is always exactly as large as its image; a host's resize is undone here.
    setWidth(ScaleX(imgShow.Width(), scaleMode(), ScaleMode::Container));
    setHeight(ScaleY(imgShow.Height(), scaleMode(), ScaleMode::Container));
}

void ColorPic::MoveSelection(float& left, float& top)
{
    const auto factor = static_cast<float>(m_SizeFactor);
    if (!(left >= 0)) // also catches a position that is not a number
        left = 0;
    if (!(top >= 0))
        top = 0;
    if ((picStore.Width() - 1) * factor < left)
        left = (picStore.Width() - 1) * factor;
    if ((picStore.Height() - 1) * factor < top)
        top = (picStore.Height() - 1) * factor;
    m_SelLeft = left;
    m_SelTop = top;
    shpSelected.Move(left, top, factor + 2, factor + 2);
}

void ColorPic::FindColor()
{
    const int red = platform::RedOf(m_RGBColor);
    const int green = platform::GreenOf(m_RGBColor);
    const int blue = platform::BlueOf(m_RGBColor);
    int best = colorpic::design::FartherThanAnyColor;
    int bestColumn = 0;
    int bestRow = 0;
    const int columns = static_cast<int>(picStore.Width());
    const int rows = static_cast<int>(picStore.Height());
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            const ColorValue p = picStore.Point(static_cast<float>(x), static_cast<float>(y));
            const int dr = platform::RedOf(p) - red;
            const int dg = platform::GreenOf(p) - green;
            const int db = platform::BlueOf(p) - blue;
            const int d = dr * dr + dg * dg + db * db;
            if (d < best) { // the first cell met keeps the place on a tie
                best = d;
                bestColumn = x;
                bestRow = y;
            }
        }
    }
    float left = static_cast<float>(bestColumn * m_SizeFactor);
    float top = static_cast<float>(bestRow * m_SizeFactor);
    MoveSelection(left, top);
}

void ColorPic::TakeSelectedColor()
{
    const auto factor = static_cast<float>(m_SizeFactor);
    m_RGBColor = picStore.Point(m_SelLeft / factor, m_SelTop / factor);
    AccessibleValueChanged(); // every step, as RGBChanged comes on every step
    if (m_RGBColor >= 0)
        RGBChanged();
}

void ColorPic::SelectAt(float X, float Y)
{
    const float px = ScaleX(X, ScaleMode::Twips, scaleMode());
    const float py = ScaleY(Y, ScaleMode::Twips, scaleMode());
    const auto factor = static_cast<float>(m_SizeFactor);
    // Cells begin one pixel in, behind the image's border.
    float x = std::floor((px - 1) / factor) * factor;
    float y = std::floor((py - 1) / factor) * factor;
    MoveSelection(x, y);
    TakeSelectedColor();
}

void ColorPic::imgShow_MouseDown(int, int, float X, float Y)
{
    m_MouseHeld = true;
    SelectAt(X, Y);
}

void ColorPic::imgShow_MouseMove(int, int, float X, float Y)
{
    if (m_MouseHeld)
        SelectAt(X, Y);
}

void ColorPic::imgShow_MouseUp(int, int, float X, float Y)
{
    SelectAt(X, Y);
    m_MouseHeld = false;
}

void ColorPic::picStore_KeyDown(int keyCode, int)
{
    const auto factor = static_cast<float>(m_SizeFactor);
    switch (keyCode) {
    case platform::KeyCode::Down: m_SelTop += factor; break;
    case platform::KeyCode::Up: m_SelTop -= factor; break;
    case platform::KeyCode::Left: m_SelLeft -= factor; break;
    case platform::KeyCode::Right: m_SelLeft += factor; break;
    default: return;
    }
    MoveSelection(m_SelLeft, m_SelTop);
    TakeSelectedColor();
}

void ColorPic::UserControl_GotFocus()
{
    m_HasFocus = true;
    shpSelected.setDrawMode(platform::Shape::DrawCopyPen);
}

void ColorPic::UserControl_LostFocus()
{
    m_HasFocus = false;
    shpSelected.setDrawMode(platform::Shape::DrawInvert);
}

void ColorPic::UserControl_Show()
{
    if (AmbientUserMode())
        Timer1.setEnabled(true);
}

void ColorPic::UserControl_Hide() { Timer1.setEnabled(false); }

void ColorPic::Timer1_Timer()
{
    if (!m_HasFocus)
        return;
    shpSelected.setBorderColor(m_BlinkColors[static_cast<std::size_t>(blinkIndex_)]);
    if (++blinkIndex_ > static_cast<int>(m_BlinkColors.size()) - 1)
        blinkIndex_ = 0;
}

} // namespace colorpic
