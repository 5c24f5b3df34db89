#include "colorpic.h"
#include "form.h"
#include "palette.h"
#include "support.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <optional>
#include <random>

using colorpic::ColorPic;
using platform::ColorValue;
using platform::Form;
using platform::PropertyBag;
using platform::RGB;

using colorpic::testing::DecodedPalette;

namespace {

struct Cell {
    int x, y;
    bool operator==(const Cell&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Cell& c) { return out << "(" << c.x << ", " << c.y << ")"; }

// The nearest palette cell by a plain search of the decoded bitmap, first in column-major order on a tie.
Cell Nearest(ColorValue target)
{
    Cell best{0, 0};
    long bestDistance = -1;
    for (int x = 0; x < 49; ++x)
        for (int y = 0; y < 19; ++y) {
            const ColorValue p = DecodedPalette().Pixel(x, y);
            const long d = std::lround(std::pow(platform::RedOf(p) - platform::RedOf(target), 2)
                                       + std::pow(platform::GreenOf(p) - platform::GreenOf(target), 2)
                                       + std::pow(platform::BlueOf(p) - platform::BlueOf(target), 2));
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = {x, y};
            }
        }
    return best;
}

struct Picker : ::testing::Test {
    Form form{"host", platform::Twips(600), platform::Twips(300)};
    ColorPic cp{form, platform::Design{"cpOne", 5160, 0, 765, 315, 7, "Select color one", true, true}};
    int changes = 0;
    void SetUp() override { cp.RGBChanged = [this] { ++changes; }; }
    void Load(const std::string& saved) { cp.CreateFromText(saved); }
    Cell Selected() const { return {cp.selectedColumn(), cp.selectedRow()}; }
};

TEST_F(Picker, ANewInstanceIsFourTimesEnlargedWithItsFrameAtTheDesignPlace)
{
    cp.Create(nullptr);
    EXPECT_EQ(cp.RGBColor(), 0);
    EXPECT_EQ(cp.SizeFactor(), 4);
    EXPECT_EQ(cp.image().Width(), 198);
    EXPECT_EQ(cp.image().Height(), 78);
    EXPECT_EQ(cp.Width(), 198);
    EXPECT_EQ(cp.Height(), 78);
    EXPECT_EQ(cp.frame().pixelRect(), QRect(41, 129, 16, 16)) << "below the control: no frame shows";
    EXPECT_EQ(cp.store().pixelRect(), QRect(216, 176, 49, 19));
    EXPECT_EQ(cp.blinkColors(), (std::vector<ColorValue>{0, 0, 0, 0, 0, 0, 0, RGB(32, 32, 32), RGB(96, 96, 96),
        RGB(160, 160, 160), RGB(224, 224, 224), 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
        RGB(255, 255, 255), RGB(191, 191, 191), RGB(127, 127, 127), RGB(63, 63, 63)}));
    EXPECT_EQ(changes, 0);
}

TEST_F(Picker, ALoadedInstanceWithNoValuesRingsBlack)
{
    Load("");
    EXPECT_EQ(cp.SizeFactor(), 4);
    EXPECT_EQ(Selected(), (Cell{0, 18}));
    EXPECT_EQ(cp.frame().pixelRect(), QRect(0, 72, 6, 6));
    EXPECT_TRUE(form.changedProperties().empty()) << "loading tells the host nothing";
    EXPECT_EQ(changes, 0);
}

TEST_F(Picker, TheControlFollowsItsSizeFactorAndUndoesAHostsResize)
{
    Load("SizeFactor = 1");
    EXPECT_EQ(cp.Width(), 51);
    EXPECT_EQ(cp.Height(), 21);
    cp.setSizeFactor(2);
    EXPECT_EQ(cp.Width(), 100);
    EXPECT_EQ(cp.Height(), 40);
    EXPECT_EQ(cp.frame().Width(), 4);
    cp.setWidth(300);
    cp.setHeight(5);
    EXPECT_EQ(cp.Width(), 100);
    EXPECT_EQ(cp.Height(), 40);
    cp.setWidth(100.4F); // a fraction of a pixel is a resize too
    cp.setHeight(39.6F);
    EXPECT_EQ(cp.Width(), 100);
    EXPECT_EQ(cp.Height(), 40);
    cp.setSizeFactor(9);
    EXPECT_EQ(cp.Width(), 443);
    EXPECT_EQ(cp.Height(), 173);
    EXPECT_FALSE(cp.pixelRect().translated(-cp.pixelRect().topLeft()).intersects(cp.store().pixelRect()))
        << "the palette box stays out of sight up to factor 9";
}

TEST_F(Picker, ASizeFactorBelowOneIsStoredAsOne)
{
    Load("SizeFactor = 0");
    EXPECT_EQ(cp.SizeFactor(), 1);
    cp.setSizeFactor(-7);
    EXPECT_EQ(cp.SizeFactor(), 1);
    EXPECT_EQ(cp.Width(), 51);
    cp.setSizeFactor(2147483647);
    EXPECT_EQ(cp.SizeFactor(), ColorPic::MaxSizeFactor);
}

TEST_F(Picker, FindColorRingsTheNearestPaletteCell)
{
    Load("SizeFactor = 1");
    const std::pair<ColorValue, Cell> cases[] = {
        {RGB(0, 0, 0), {0, 18}}, {RGB(255, 255, 255), {48, 18}}, {RGB(255, 0, 0), {0, 0}}, {RGB(153, 0, 0), {0, 6}}};
    for (auto [colour, cell] : cases) {
        cp.setRGBColor(colour);
        EXPECT_EQ(Selected(), cell) << std::hex << colour;
        EXPECT_EQ(cp.RGBColor(), colour);
    }
    // A colour the palette lacks stays exactly as written; bits above the colour take no part.
    cp.setRGBColor(0x7F0000FF);
    EXPECT_EQ(cp.RGBColor(), 0x7F0000FF);
    EXPECT_EQ(Selected(), (Cell{0, 0}));
    cp.setRGBColor(RGB(1, 0, 1));
    EXPECT_EQ(cp.RGBColor(), RGB(1, 0, 1));
    EXPECT_EQ(Selected(), (Cell{0, 18}));
    EXPECT_EQ(changes, 0) << "writes raise no RGBChanged";
    EXPECT_EQ(form.changedProperties().back(), (std::pair<std::string, std::string>{"cpOne", "RGBColor"}));
}

TEST_F(Picker, EveryPaletteColourFindsItsFirstCell)
{
    Load("SizeFactor = 2");
    for (int x = 0; x < 49; ++x)
        for (int y = 0; y < 19; ++y) {
            const ColorValue colour = DecodedPalette().Pixel(x, y);
            cp.setRGBColor(colour);
            Cell first{0, 0};
            while (DecodedPalette().Pixel(first.x, first.y) != colour)
                first = first.y == 18 ? Cell{first.x + 1, 0} : Cell{first.x, first.y + 1};
            ASSERT_EQ(Selected(), first) << "cell " << Cell{x, y};
            ASSERT_EQ(cp.store().Point(static_cast<float>(cp.selectedColumn()), static_cast<float>(cp.selectedRow())), colour);
        }
}

TEST_F(Picker, TiesGoToTheLowerColumnThenTheLowerRow)
{
    Load("SizeFactor = 1");
    // Colours halfway between two palette cells, where some other cell is not nearer.
    std::mt19937 random(7);
    int ties = 0;
    for (int attempt = 0; attempt < 20000 && ties < 25; ++attempt) {
        const Cell a{static_cast<int>(random() % 49), static_cast<int>(random() % 19)};
        const Cell b{static_cast<int>(random() % 49), static_cast<int>(random() % 19)};
        const ColorValue p = DecodedPalette().Pixel(a.x, a.y);
        const ColorValue q = DecodedPalette().Pixel(b.x, b.y);
        if (p == q || (platform::RedOf(p) + platform::RedOf(q)) % 2 || (platform::GreenOf(p) + platform::GreenOf(q)) % 2
            || (platform::BlueOf(p) + platform::BlueOf(q)) % 2)
            continue;
        const ColorValue middle = RGB((platform::RedOf(p) + platform::RedOf(q)) / 2,
            (platform::GreenOf(p) + platform::GreenOf(q)) / 2, (platform::BlueOf(p) + platform::BlueOf(q)) / 2);
        const Cell expected = Nearest(middle);
        const ColorValue e = DecodedPalette().Pixel(expected.x, expected.y);
        const auto d = [&](ColorValue c) {
            return std::pow(platform::RedOf(c) - platform::RedOf(middle), 2) + std::pow(platform::GreenOf(c) - platform::GreenOf(middle), 2)
                + std::pow(platform::BlueOf(c) - platform::BlueOf(middle), 2);
        };
        if (d(e) != d(p))
            continue; // some third cell is nearer: not a tie between these two
        ++ties;
        const Cell first = (a.x < b.x || (a.x == b.x && a.y < b.y)) ? a : b;
        cp.setRGBColor(middle);
        EXPECT_TRUE(Selected().x < first.x || (Selected().x == first.x && Selected().y <= first.y))
            << "tie between " << a << " and " << b << " went to " << Selected();
        EXPECT_EQ(Selected(), expected);
    }
    EXPECT_GE(ties, 10);
}

TEST_F(Picker, TheMainWindowsStartColoursRingTheirNearestCells)
{
    Load("SizeFactor = 1");
    struct Case {
        ColorValue colour;
        Cell cell;
        ColorValue cellColour;
        int distance;
    };
    const Case cases[] = {{RGB(68, 255, 175), {20, 2}, RGB(84, 255, 173), 260},
                          {RGB(139, 0, 174), {40, 7}, RGB(137, 0, 153), 445}};
    for (const Case& c : cases) {
        cp.setRGBColor(c.colour);
        EXPECT_EQ(Selected(), c.cell) << std::hex << c.colour;
        const ColorValue ringed = DecodedPalette().Pixel(c.cell.x, c.cell.y);
        EXPECT_EQ(ringed, c.cellColour);
        const auto square = [](int v) { return v * v; };
        EXPECT_EQ(square(platform::RedOf(ringed) - platform::RedOf(c.colour))
                      + square(platform::GreenOf(ringed) - platform::GreenOf(c.colour))
                      + square(platform::BlueOf(ringed) - platform::BlueOf(c.colour)),
                  c.distance);
    }
}

TEST_F(Picker, SavingAndLoadingKeepsBothValues)
{
    Load("SizeFactor = 1");
    EXPECT_EQ(cp.Save().ToText(), "SizeFactor = 1\n");
    cp.setRGBColor(RGB(12, 34, 56));
    const PropertyBag saved = cp.Save();
    EXPECT_EQ(saved.ToText(), "RGBColor = " + std::to_string(RGB(12, 34, 56)) + "\nSizeFactor = 1\n");

    Form other{"other", platform::Twips(600), platform::Twips(300)};
    ColorPic copy{other, platform::Design{"cpTwo", 0, 0, 765, 315, 0, "", true, true}};
    copy.Create(&saved);
    EXPECT_EQ(copy.RGBColor(), RGB(12, 34, 56));
    EXPECT_EQ(copy.SizeFactor(), 1);
    EXPECT_EQ(copy.selectedColumn(), Nearest(RGB(12, 34, 56)).x);

    cp.setRGBColor(0);
    cp.setSizeFactor(4);
    EXPECT_TRUE(cp.Save().empty()) << "defaults are not stored";
}

} // namespace
