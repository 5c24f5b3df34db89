#include "palette.h"
#include "support.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>

using colorpic::PaletteBmp;
using platform::BlueOf;
using platform::ColorValue;
using platform::GreenOf;
using platform::RedOf;

using colorpic::testing::DecodedPalette;

namespace {

std::uint32_t Read32(std::size_t at)
{
    const auto& b = PaletteBmp();
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint32_t Read16(std::size_t at) { return PaletteBmp()[at] | (PaletteBmp()[at + 1] << 8); }

ColorValue Cell(int x, int y) { return DecodedPalette().Pixel(x, y); }

ColorValue Hex(std::uint32_t rrggbb) { return platform::RGB(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF); }

TEST(Palette, IsACompleteTwentyFourBitBmpFileImage)
{
    const auto& b = PaletteBmp();
    ASSERT_EQ(b.size(), 2866U);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    const std::array<std::pair<std::size_t, std::uint32_t>, 12> fields{{{2, 2866}, {6, 0}, {10, 54}, {14, 40}, {18, 49},
        {22, 19}, {30, 0}, {34, 2812}, {38, 3779}, {42, 3779}, {46, 0}, {50, 0}}};
    for (auto [at, value] : fields)
        EXPECT_EQ(Read32(at), value) << "offset " << at;
    EXPECT_EQ(Read16(26), 1U);
    EXPECT_EQ(Read16(28), 24U);
    for (int row = 0; row < 19; ++row)
        EXPECT_EQ(b[54 + static_cast<std::size_t>(row) * 148 + 147], 0) << "pad byte of stored row " << row;
    // Rows are stored bottom first, blue-green-red: the first pixel stored is cell (0, 18), black,
    // and the last row stored starts with cell (0, 0), red.
    EXPECT_EQ(b[54], 0);
    EXPECT_EQ(b[54 + 18 * 148 + 2], 0xFF);
    EXPECT_EQ(b[54 + 18 * 148], 0);
}

TEST(Palette, DecodesToTheFixedCells)
{
    ASSERT_EQ(DecodedPalette().Width(), 49);
    ASSERT_EQ(DecodedPalette().Height(), 19);
    EXPECT_EQ(Cell(0, 0), 0x000000FF);
    EXPECT_EQ(Cell(48, 0), 0x000900FF);
    EXPECT_EQ(Cell(0, 18), 0);
    EXPECT_EQ(Cell(48, 18), 0x00FFFFFF);
    EXPECT_EQ(Cell(49, 0), -1);
    EXPECT_EQ(Cell(0, 19), -1);
    const std::uint32_t row0[] = {0xFF0000, 0xFF1B00, 0xFF3D00, 0xFF6100, 0xFF8400, 0xFFA700, 0xFFCB00, 0xFFED00,
        0xFFFF00, 0xE6FF00, 0xC2FF00, 0x9EFF00, 0x7DFF00, 0x58FF00, 0x36FF00, 0x12FF00, 0x00FF00, 0x00FF0C, 0x00FF30,
        0x00FF53, 0x00FF77, 0x00FF9B, 0x00FFBC, 0x00FFE1, 0x00FFFF, 0x00F3FF, 0x00CFFF, 0x00ACFF, 0x0089FF, 0x0067FF,
        0x0042FF, 0x0020FF, 0x0000FF, 0x0100FF, 0x2200FF, 0x4600FF, 0x6900FF, 0x8D00FF, 0xAF00FF, 0xD200FF, 0xF700FF,
        0xFF00FF, 0xFF00DD, 0xFF00B9, 0xFF0097, 0xFF0073, 0xFF0051, 0xFF002C, 0xFF0009};
    const int grey[] = {0, 2, 7, 13, 19, 24, 29, 35, 40, 45, 50, 56, 61, 67, 72, 77, 83, 88, 94, 99, 105, 110, 116, 121,
        126, 132, 137, 143, 148, 154, 159, 165, 170, 176, 181, 186, 192, 197, 203, 208, 214, 219, 225, 230, 235, 241,
        246, 252, 255};
    for (int x = 0; x < 49; ++x) {
        EXPECT_EQ(Cell(x, 0), Hex(row0[x])) << "row 0, column " << x;
        EXPECT_EQ(Cell(x, 18), platform::RGB(grey[x], grey[x], grey[x])) << "row 18, column " << x;
    }
    // A few anchors of the bands, one a row from each band's character.
    EXPECT_EQ(Cell(16, 1), Hex(0x23FF22));
    EXPECT_EQ(Cell(41, 5), Hex(0xFEE8FD));
    EXPECT_EQ(Cell(24, 6), Hex(0x00988F));
    EXPECT_EQ(Cell(48, 8), Hex(0x990211));
    EXPECT_EQ(Cell(8, 15), Hex(0x4A4C00));
    EXPECT_EQ(Cell(32, 17), Hex(0x36374D));
}

int LevelOf(int row) { return row < 6 ? 255 : row < 12 ? 153 : 77; }

TEST(Palette, EveryRowKeepsItsLevelsAndMovesMonotonicallyBetweenFixedCells)
{
    const int dimmest[18] = {0, 32, 84, 137, 188, 232, 0, 0, 2, 45, 86, 130, 0, 0, 0, 0, 10, 54};
    const int anchors[7] = {0, 8, 16, 24, 32, 41, 48};
    for (int y = 0; y < 18; ++y) {
        const int level = LevelOf(y);
        for (int x = 0; x < 49; ++x) {
            const ColorValue c = Cell(x, y);
            const int hi = std::max({RedOf(c), GreenOf(c), BlueOf(c)});
            const int lo = std::min({RedOf(c), GreenOf(c), BlueOf(c)});
            EXPECT_GE(hi, level - 3) << x << "," << y;
            EXPECT_LE(hi, level) << x << "," << y;
            EXPECT_GE(lo, dimmest[y]) << x << "," << y;
            EXPECT_LE(lo, dimmest[y] + 2) << x << "," << y;
        }
        // Between neighbouring anchors each channel only rises or only falls.
        for (int a = 0; a < 6; ++a) {
            for (int channel = 0; channel < 3; ++channel) {
                const auto value = [&](int x) { return (Cell(x, y) >> (8 * channel)) & 0xFF; };
                bool up = false, down = false;
                for (int x = anchors[a]; x < anchors[a + 1]; ++x) {
                    up = up || value(x + 1) > value(x);
                    down = down || value(x + 1) < value(x);
                }
                EXPECT_FALSE(up && down) << "row " << y << " channel " << channel << " between " << anchors[a] << " and "
                                         << anchors[a + 1];
            }
        }
    }
    for (int x = 0; x < 49; ++x)
        EXPECT_TRUE(RedOf(Cell(x, 18)) == GreenOf(Cell(x, 18)) && GreenOf(Cell(x, 18)) == BlueOf(Cell(x, 18)));
}

TEST(Palette, PurePrimariesOccurExactlyInTheirRuns)
{
    struct Runs {
        int row;
        std::set<int> red, green, blue;
    };
    const auto span = [](int a, int b) {
        std::set<int> s;
        for (int x = a; x <= b; ++x)
            s.insert(x);
        return s;
    };
    const auto join = [](std::set<int> a, const std::set<int>& b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    const Runs runs[] = {
        {6, join(span(0, 2), span(46, 48)), span(14, 18), span(30, 35)},
        {7, join(span(0, 1), span(48, 48)), span(15, 17), span(31, 34)},
        {12, join(span(0, 5), span(44, 48)), span(11, 21), span(27, 38)},
        {13, join(span(0, 4), span(44, 48)), span(12, 21), span(28, 37)},
        {14, join(span(0, 3), span(45, 48)), span(13, 20), span(29, 36)},
        {15, join(span(0, 2), span(47, 48)), span(14, 18), span(30, 34)},
    };
    for (const Runs& r : runs) {
        const int v = LevelOf(r.row);
        std::set<int> red, green, blue;
        for (int x = 0; x < 49; ++x) {
            const ColorValue c = Cell(x, r.row);
            if (c == platform::RGB(v, 0, 0))
                red.insert(x);
            if (c == platform::RGB(0, v, 0))
                green.insert(x);
            if (c == platform::RGB(0, 0, v))
                blue.insert(x);
        }
        EXPECT_EQ(red, r.red) << "row " << r.row;
        EXPECT_EQ(green, r.green) << "row " << r.row;
        EXPECT_EQ(blue, r.blue) << "row " << r.row;
    }

    // Counts and first cells in column-major order of dark red and dark blue; full-level primaries,
    // black and white once each.
    int darkRed = 0, darkBlue = 0;
    std::pair<int, int> firstRed{-1, -1}, firstBlue{-1, -1};
    std::set<ColorValue> distinct;
    for (int x = 0; x < 49; ++x)
        for (int y = 0; y < 19; ++y) {
            distinct.insert(Cell(x, y));
            if (Cell(x, y) == Hex(0x4D0000) && darkRed++ == 0)
                firstRed = {x, y};
            if (Cell(x, y) == Hex(0x00004D) && darkBlue++ == 0)
                firstBlue = {x, y};
        }
    EXPECT_EQ(darkRed, 34);
    EXPECT_EQ(darkBlue, 35);
    EXPECT_EQ(firstRed, std::make_pair(0, 12));
    EXPECT_EQ(firstBlue, std::make_pair(27, 12));
    for (std::uint32_t once : {0xFF0000U, 0xFFFF00U, 0x00FF00U, 0x00FFFFU, 0x0000FFU, 0xFF00FFU, 0x000000U, 0xFFFFFFU}) {
        int count = 0;
        for (int x = 0; x < 49; ++x)
            for (int y = 0; y < 19; ++y)
                count += Cell(x, y) == Hex(once);
        EXPECT_EQ(count, 1) << std::hex << once;
    }
    EXPECT_EQ(distinct.size(), 790U) << "different colours in the 931 cells";
}

} // namespace
