#include "colorpic.h"
#include "form.h"
#include "palette.h"
#include "support.h"
#include "picturebox.h"

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <random>
#include <set>

using colorpic::ColorPic;
using platform::ColorValue;
using platform::Form;
using platform::PropertyBag;

using colorpic::testing::DecodedPalette;

namespace {

constexpr int kLeft = 10; // the picker's place in its window, in pixels
constexpr int kTop = 10;

class Shown : public ::testing::TestWithParam<int> {
protected:
    Form form{"host", platform::Twips(700), platform::Twips(300)};
    ColorPic cp{form, platform::Design{"cp", platform::Twips(kLeft), platform::Twips(kTop), 765, 315, 1, "Select color one", true, true}};
    // Takes the focus when the window comes up.
    platform::PictureBox other{form, platform::Design{"other", platform::Twips(650), 0, 300, 300, 0, "", true, true}, 0,
                               platform::BorderNone};
    int changes = 0;
    std::vector<ColorValue> reported;

    void SetUp() override
    {
        const PropertyBag bag = PropertyBag::FromText("SizeFactor = " + std::to_string(GetParam()));
        cp.Create(&bag);
        cp.RGBChanged = [this] {
            ++changes;
            reported.push_back(cp.RGBColor());
        };
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form.widget()));
    }
    int sf() const { return GetParam(); }
    QWindow* window() { return form.widget().windowHandle(); }
    QPoint At(int px, int py) const { return {kLeft + px, kTop + py}; }
    void Click(int px, int py, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(window(), At(px, py));
        QTest::mousePress(window(), button, {}, At(px, py));
        QTest::mouseRelease(window(), button, {}, At(px, py));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(window(), key, modifiers); }
    std::pair<int, int> Selected() const { return {cp.selectedColumn(), cp.selectedRow()}; }
    void Focus()
    {
        cp.SetFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return cp.hasFocus(); }, 1000));
    }
};

TEST_P(Shown, EveryPixelOfACellSelectsThatCell)
{
    // Every cell at factor 1; at factor 4 every pixel of a spread of cells.
    for (int x = 0; x < 49; ++x)
        for (int y = 0; y < 19; ++y) {
            if (sf() > 1 && (x * 19 + y) % 11 != 0)
                continue;
            for (int dx = 0; dx < sf(); ++dx)
                for (int dy = 0; dy < sf(); ++dy) {
                    changes = 0;
                    Click(1 + x * sf() + dx, 1 + y * sf() + dy);
                    ASSERT_EQ(Selected(), std::make_pair(x, y)) << "pixel " << dx << "," << dy;
                    ASSERT_EQ(changes, 2) << "a click raises RGBChanged twice";
                    ASSERT_EQ(cp.RGBColor(), DecodedPalette().Pixel(x, y));
                }
        }
}

TEST_P(Shown, TheBorderLineAndDragsPastTheEdgesSelectTheEdgeCell)
{
    Click(0, 0);
    EXPECT_EQ(Selected(), std::make_pair(0, 0));
    Click(49 * sf() + 1, 19 * sf() + 1);
    EXPECT_EQ(Selected(), std::make_pair(48, 18));

    changes = 0;
    reported.clear();
    QTest::mouseMove(window(), At(5, 1));
    QTest::mousePress(window(), Qt::LeftButton, {}, At(5, 1));
    for (int px : {120, 250, 400}) // past the right edge, and past the window's picker area
        QTest::mouseMove(window(), At(px, 1));
    EXPECT_EQ(Selected(), std::make_pair(48, 0));
    QTest::mouseMove(window(), At(-8, -9));
    EXPECT_EQ(Selected(), std::make_pair(0, 0));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, At(-8, -9));
    EXPECT_EQ(changes, 6) << "down, every move while held, up";
    EXPECT_EQ(reported[3], DecodedPalette().Pixel(48, 0));
    EXPECT_FALSE(cp.mouseHeld());
}

TEST_P(Shown, MovingWithoutAButtonChangesNothingAndEveryButtonPicks)
{
    Click(1, 1);
    changes = 0;
    for (int px = 1; px < 49 * sf(); px += 3)
        QTest::mouseMove(window(), At(px, 5));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Selected(), std::make_pair(0, 0));
    Click(1 + 5 * sf(), 1 + 3 * sf(), Qt::RightButton);
    EXPECT_EQ(Selected(), std::make_pair(5, 3));
    Click(1 + 7 * sf(), 1 + 2 * sf(), Qt::MiddleButton);
    EXPECT_EQ(Selected(), std::make_pair(7, 2));
    EXPECT_EQ(changes, 4);
}

TEST_P(Shown, ArrowKeysMoveOneCellAndStopAtTheEdges)
{
    Click(1, 1);
    Focus();
    changes = 0;
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), std::make_pair(1, 1));
    EXPECT_EQ(cp.frame().pixelRect(), QRect(sf(), sf(), sf() + 2, sf() + 2));
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Selected(), std::make_pair(1, 0));
    EXPECT_EQ(changes, 4) << "also at the edge";
    for (int i = 0; i < 60; ++i)
        Key(Qt::Key_Right);
    EXPECT_EQ(Selected(), std::make_pair(48, 0));
    EXPECT_EQ(reported.back(), DecodedPalette().Pixel(48, 0));
    changes = 0;
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_Return})
        Key(key);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Selected(), std::make_pair(48, 0));
}

// The frame's ring of pixels, read from the control's own rendering.
std::vector<std::pair<QPoint, ColorValue>> Ring(const QImage& shot, QRect r)
{
    std::vector<std::pair<QPoint, ColorValue>> ring;
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (x == r.left() || x == r.right() || y == r.top() || y == r.bottom())
                ring.emplace_back(QPoint(x, y), platform::FromPixel(shot.pixel(x, y)));
    return ring;
}

// What the enlarged palette shows at a control pixel: the border line is black.
ColorValue Under(QPoint p, int sf)
{
    if (p.x() == 0 || p.y() == 0 || p.x() == 49 * sf + 1 || p.y() == 19 * sf + 1)
        return 0;
    return DecodedPalette().Pixel((p.x() - 1) / sf, (p.y() - 1) / sf);
}

TEST_P(Shown, TheFrameIsDrawnWithTheFocusAndInvertsWithout)
{
    Click(1 + 48 * sf(), 1 + 18 * sf()); // the frame runs on the border at the right and bottom
    Focus();
    const QRect r = cp.frame().pixelRect();
    for (auto [p, colour] : Ring(cp.widget().grab().toImage(), r))
        ASSERT_EQ(colour, cp.frame().BorderColor()) << p.x() << "," << p.y();
    other.SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cp.hasFocus(); }, 1000));
    const QImage shot = cp.widget().grab().toImage();
    for (auto [p, colour] : Ring(shot, r))
        ASSERT_EQ(colour, Under(p, sf()) ^ 0xFFFFFF) << p.x() << "," << p.y();
    const QPoint inside = r.center();
    EXPECT_EQ(platform::FromPixel(shot.pixel(inside)), Under(inside, sf()));
}

TEST_P(Shown, TheFrameBlinksOnlyWithTheFocus)
{
    EXPECT_TRUE(cp.blinking()) << "the timer runs in a live program";
    QTest::qWait(120);
    EXPECT_EQ(cp.blinkIndex(), 0) << "never focused: no blink";
    Focus();
    std::set<ColorValue> shown;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        shown.insert(cp.frame().BorderColor());
        return shown.size() >= 3;
    }, 3000)) << "the frame steps through the ramp";
    other.SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cp.hasFocus(); }, 1000));
    const int stopped = cp.blinkIndex();
    const ColorValue border = cp.frame().BorderColor();
    QTest::qWait(150);
    EXPECT_EQ(cp.blinkIndex(), stopped);
    EXPECT_EQ(cp.frame().BorderColor(), border);
    form.widget().hide();
    EXPECT_FALSE(cp.blinking());
}

TEST_P(Shown, RandomInputKeepsTheSelectionInsideAndTheColourOfItsCell)
{
    std::mt19937 random(static_cast<unsigned>(1234 + sf()));
    Focus();
    int mine = 0;
    cp.RGBChanged = [&] {
        ++mine;
        ASSERT_EQ(cp.RGBColor(), cp.store().Point(static_cast<float>(cp.selectedColumn()), static_cast<float>(cp.selectedRow())));
    };
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_A, Qt::Key_Escape};
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    bool held = false;
    Qt::MouseButton heldButton = Qt::LeftButton;
    for (int i = 0; i < 3000; ++i) {
        const QPoint p = At(static_cast<int>(random() % 700) - 200, static_cast<int>(random() % 300) - 100);
        switch (random() % 8) {
        case 0:
            if (!held) {
                heldButton = buttons[random() % 3];
                QTest::mousePress(window(), heldButton, {}, p);
                held = true;
            }
            break;
        case 1:
            if (held) {
                QTest::mouseRelease(window(), heldButton, {}, p);
                held = false;
            }
            break;
        case 2:
        case 3: QTest::mouseMove(window(), p); break;
        case 4: Key(keys[random() % 6], random() % 2 ? Qt::ShiftModifier : Qt::NoModifier); break;
        case 5: cp.setRGBColor(static_cast<ColorValue>(random())); break;
        case 6: cp.setSizeFactor(static_cast<std::int32_t>(random() % 12) - 2 + (random() % 200 == 0 ? 100000 : 0)); break;
        default: cp.setWidth(static_cast<float>(random() % 500)); break;
        }
        ASSERT_GE(cp.selectedColumn(), 0);
        ASSERT_LE(cp.selectedColumn(), 48);
        ASSERT_GE(cp.selectedRow(), 0);
        ASSERT_LE(cp.selectedRow(), 18);
        ASSERT_EQ(cp.Width(), 49 * cp.SizeFactor() + 2);
    }
    if (held)
        QTest::mouseRelease(window(), heldButton, {}, At(0, 0));
    EXPECT_GT(mine, 100);
}

INSTANTIATE_TEST_SUITE_P(SizeFactor, Shown, ::testing::Values(1, 4));

TEST(Designer, TheFrameNeverBlinksInAFormDesigner)
{
    Form designer{"designer", platform::Twips(300), platform::Twips(200), false};
    ColorPic cp{designer, platform::Design{"cp", 0, 0, 765, 315, 0, "", true, true}};
    cp.Create(nullptr);
    designer.Show();
    EXPECT_FALSE(cp.blinking());
}

} // namespace
