#include "palette.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace colorpic {

namespace {

struct Rgb {
    int r = 0, g = 0, b = 0;
    int operator[](int channel) const { return channel == 0 ? r : channel == 1 ? g : b; }
    int& operator[](int channel) { return channel == 0 ? r : channel == 1 ? g : b; }
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb Hex(std::uint32_t rrggbb)
{
    return {static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF)};
}

constexpr std::array<std::uint32_t, PaletteWidth> Row0{
    0xFF0000, 0xFF1B00, 0xFF3D00, 0xFF6100, 0xFF8400, 0xFFA700, 0xFFCB00, 0xFFED00, 0xFFFF00, 0xE6FF00,
    0xC2FF00, 0x9EFF00, 0x7DFF00, 0x58FF00, 0x36FF00, 0x12FF00, 0x00FF00, 0x00FF0C, 0x00FF30, 0x00FF53,
    0x00FF77, 0x00FF9B, 0x00FFBC, 0x00FFE1, 0x00FFFF, 0x00F3FF, 0x00CFFF, 0x00ACFF, 0x0089FF, 0x0067FF,
    0x0042FF, 0x0020FF, 0x0000FF, 0x0100FF, 0x2200FF, 0x4600FF, 0x6900FF, 0x8D00FF, 0xAF00FF, 0xD200FF,
    0xF700FF, 0xFF00FF, 0xFF00DD, 0xFF00B9, 0xFF0097, 0xFF0073, 0xFF0051, 0xFF002C, 0xFF0009};

constexpr std::array<int, PaletteWidth> GreyRamp{
    0,   2,   7,   13,  19,  24,  29,  35,  40,  45,  50,  56,  61,  67,  72,  77,  83,
    88,  94,  99,  105, 110, 116, 121, 126, 132, 137, 143, 148, 154, 159, 165, 170, 176,
    181, 186, 192, 197, 203, 208, 214, 219, 225, 230, 235, 241, 246, 252, 255};

constexpr std::array<int, 7> AnchorColumns{0, 8, 16, 24, 32, 41, 48};

struct BandRow {
    int brightest;
    int dimmest;
    std::array<std::uint32_t, 7> anchors;
};

// Rows 1 to 17.
constexpr std::array<BandRow, 17> BandRows{{
    {255, 32, {0xFF2820, 0xFFFF20, 0x23FF22, 0x20FFFF, 0x202CFF, 0xFF20FF, 0xFF2037}},
    {255, 84, {0xFF5B54, 0xFFFF54, 0x57FF56, 0x54FFFF, 0x545EFF, 0xFF54FF, 0xFF5467}},
    {255, 137, {0xFF8E89, 0xFFFF89, 0x8CFF8B, 0x89FFFF, 0x8991FF, 0xFF89FF, 0xFF8997}},
    {255, 188, {0xFFBEBC, 0xFFFFBC, 0xBDFFBD, 0xBCFFFF, 0xBCC1FF, 0xFFBCFF, 0xFFBCC3}},
    {255, 232, {0xFFE8E8, 0xFEFEE8, 0xE8FFE8, 0xE8FEFD, 0xE8E9FF, 0xFEE8FD, 0xFFE8EA}},
    {153, 0, {0x990000, 0x939600, 0x009900, 0x00988F, 0x000099, 0x98008D, 0x990000}},
    {153, 0, {0x990000, 0x939700, 0x009900, 0x009891, 0x000099, 0x98008F, 0x990000}},
    {153, 2, {0x990702, 0x949702, 0x049903, 0x029893, 0x020A99, 0x980291, 0x990211}},
    {153, 45, {0x99312D, 0x96982D, 0x2F992E, 0x2D9894, 0x2D3399, 0x982D93, 0x992D38}},
    {153, 86, {0x995856, 0x969856, 0x579957, 0x569895, 0x565A99, 0x985695, 0x99565C}},
    {153, 130, {0x998282, 0x989882, 0x829982, 0x829897, 0x828399, 0x988297, 0x998284}},
    {77, 0, {0x4D0000, 0x474A00, 0x004D00, 0x004C43, 0x00004D, 0x4C0041, 0x4D0000}},
    {77, 0, {0x4D0000, 0x474B00, 0x004D00, 0x004C45, 0x00004D, 0x4C0043, 0x4D0000}},
    {77, 0, {0x4D0000, 0x484B00, 0x004D00, 0x004C47, 0x00004D, 0x4C0045, 0x4D0000}},
    {77, 0, {0x4D0000, 0x4A4C00, 0x004D00, 0x004C48, 0x00004D, 0x4C0047, 0x4D0000}},
    {77, 10, {0x4D0C0A, 0x4A4C0A, 0x0B4D0B, 0x0A4C49, 0x0A0E4D, 0x4C0A49, 0x4D0A10}},
    {77, 54, {0x4D3636, 0x4C4C36, 0x364D36, 0x364C4B, 0x36374D, 0x4C364B, 0x4D3638}},
}};

// Runs of pure primaries (one channel at the band's level, the others 0) of the over-saturated rows.
struct PureRuns {
    int row;
    int redFrom, redTo, redFrom2, redTo2, greenFrom, greenTo, blueFrom, blueTo;
};
constexpr std::array<PureRuns, 6> Runs{{
    {6, 0, 2, 46, 48, 14, 18, 30, 35},
    {7, 0, 1, 48, 48, 15, 17, 31, 34},
    {12, 0, 5, 44, 48, 11, 21, 27, 38},
    {13, 0, 4, 44, 48, 12, 21, 28, 37},
    {14, 0, 3, 45, 48, 13, 20, 29, 36},
    {15, 0, 2, 47, 48, 14, 18, 30, 34},
}};

using Row = std::array<std::optional<Rgb>, PaletteWidth>;

// The `cells` cells strictly between a and b. The moving channels are split
// into groups that move one after another, each group in linear steps over its share of the cells.
std::vector<Rgb> Steps(Rgb a, Rgb b, int cells, const std::vector<std::vector<int>>& groups)
{
    const int n = cells + 1;
    const int k = static_cast<int>(groups.size());
    std::vector<Rgb> out;
    for (int j = 1; j < n; ++j) {
        Rgb p = a;
        for (int gi = 0; gi < k; ++gi) {
            // Phase boundaries rounded half up, as even as the cell count allows.
            const int lo = (2 * gi * n + k) / (2 * k);
            const int hi = (2 * (gi + 1) * n + k) / (2 * k);
            for (int c : groups[static_cast<std::size_t>(gi)]) {
                if (j >= hi) {
                    p[c] = b[c];
                } else if (j > lo) {
                    // a + (b - a) * t with t = (j - lo) / (hi - lo), rounded half up; never negative.
                    const int den = hi - lo;
                    const int num = a[c] * den + (b[c] - a[c]) * (j - lo);
                    p[c] = (2 * num + den) / (2 * den);
                }
            }
        }
        out.push_back(p);
    }
    return out;
}

// Every way to move the channels of `moving` in ordered groups, fewest groups first.
std::vector<std::vector<std::vector<int>>> Orders(const std::vector<int>& moving)
{
    std::vector<std::vector<std::vector<int>>> orders;
    const int n = static_cast<int>(moving.size());
    for (int k = 1; k <= n; ++k) {
        std::vector<int> label(static_cast<std::size_t>(n), 0);
        // Count through every labelling of the channels with k groups.
        int total = 1;
        for (int i = 0; i < n; ++i)
            total *= k;
        for (int code = 0; code < total; ++code) {
            std::vector<std::vector<int>> groups(static_cast<std::size_t>(k));
            for (int i = 0, rest = code; i < n; ++i, rest /= k)
                groups[static_cast<std::size_t>(rest % k)].push_back(moving[static_cast<std::size_t>(i)]);
            if (std::none_of(groups.begin(), groups.end(), [](const auto& g) { return g.empty(); }))
                orders.push_back(std::move(groups));
        }
    }
    return orders;
}

// Fills the free cells between each pair of neighbouring fixed cells. Linear steps where they keep
// the row's brightest and dimmest levels; where moving every channel at once would leave them
// (between two hues whose strongest channels differ), the channels move one after another.
void FillBetween(Row& row, const BandRow& band)
{
    const auto fits = [&](const Rgb& p) {
        const int hi = std::max({p.r, p.g, p.b});
        const int lo = std::min({p.r, p.g, p.b});
        const bool pure = hi == band.brightest && p.r + p.g + p.b == hi; // would lengthen a pure run
        return hi <= band.brightest && hi >= band.brightest - 3 && lo >= band.dimmest && lo <= band.dimmest + 2 && !pure;
    };
    int from = 0;
    for (int to = 1; to < PaletteWidth; ++to) {
        if (!row[static_cast<std::size_t>(to)])
            continue;
        const Rgb a = *row[static_cast<std::size_t>(from)];
        const Rgb b = *row[static_cast<std::size_t>(to)];
        if (to - from > 1) {
            std::vector<int> moving;
            for (int c = 0; c < 3; ++c)
                if (a[c] != b[c])
                    moving.push_back(c);
            std::vector<Rgb> chosen;
            for (const auto& order : Orders(moving)) {
                std::vector<Rgb> cells = Steps(a, b, to - from - 1, order);
                if (std::all_of(cells.begin(), cells.end(), fits)) {
                    chosen = std::move(cells);
                    break;
                }
            }
            if (chosen.empty())
                chosen = Steps(a, b, to - from - 1, {moving});
            for (int i = 0; i < to - from - 1; ++i)
                row[static_cast<std::size_t>(from + 1 + i)] = chosen[static_cast<std::size_t>(i)];
        }
        from = to;
    }
}

std::array<std::array<Rgb, PaletteWidth>, PaletteHeight> Cells()
{
    std::array<std::array<Rgb, PaletteWidth>, PaletteHeight> cells{};
    for (int x = 0; x < PaletteWidth; ++x) {
        cells[0][static_cast<std::size_t>(x)] = Hex(Row0[static_cast<std::size_t>(x)]);
        const int grey = GreyRamp[static_cast<std::size_t>(x)];
        cells[18][static_cast<std::size_t>(x)] = {grey, grey, grey};
    }
    for (int y = 1; y <= 17; ++y) {
        const BandRow& band = BandRows[static_cast<std::size_t>(y - 1)];
        Row row{};
        for (std::size_t i = 0; i < AnchorColumns.size(); ++i)
            row[static_cast<std::size_t>(AnchorColumns[i])] = Hex(band.anchors[i]);
        for (const PureRuns& runs : Runs) {
            if (runs.row != y)
                continue;
            const int level = band.brightest;
            const auto fill = [&](int first, int last, Rgb colour) {
                for (int x = first; x <= last; ++x)
                    row[static_cast<std::size_t>(x)] = colour;
            };
            fill(runs.redFrom, runs.redTo, {level, 0, 0});
            fill(runs.redFrom2, runs.redTo2, {level, 0, 0});
            fill(runs.greenFrom, runs.greenTo, {0, level, 0});
            fill(runs.blueFrom, runs.blueTo, {0, 0, level});
        }
        FillBetween(row, band);
        for (int x = 0; x < PaletteWidth; ++x)
            cells[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = *row[static_cast<std::size_t>(x)];
    }
    return cells;
}

void Put16(std::array<std::uint8_t, PaletteBmpSize>& bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void Put32(std::array<std::uint8_t, PaletteBmpSize>& bytes, std::size_t at, std::uint32_t value)
{
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

std::array<std::uint8_t, PaletteBmpSize> Encode()
{
    constexpr std::size_t rowBytes = 148; // 49 pixels of three bytes and one pad byte
    std::array<std::uint8_t, PaletteBmpSize> bytes{};
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, PaletteBmpSize);
    Put32(bytes, 10, 54);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, PaletteWidth);
    Put32(bytes, 22, PaletteHeight);
    Put16(bytes, 26, 1);
    Put16(bytes, 28, 24);
    Put32(bytes, 30, 0);
    Put32(bytes, 34, rowBytes * PaletteHeight);
    Put32(bytes, 38, 3779);
    Put32(bytes, 42, 3779);
    const auto cells = Cells();
    for (int y = 0; y < PaletteHeight; ++y) {
        const std::size_t start = 54 + static_cast<std::size_t>(PaletteHeight - 1 - y) * rowBytes;
        for (int x = 0; x < PaletteWidth; ++x) {
            const Rgb& c = cells[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const std::size_t at = start + static_cast<std::size_t>(x) * 3;
            bytes[at] = static_cast<std::uint8_t>(c.b);
            bytes[at + 1] = static_cast<std::uint8_t>(c.g);
            bytes[at + 2] = static_cast<std::uint8_t>(c.r);
        }
    }
    return bytes;
}

} // namespace

const std::array<std::uint8_t, PaletteBmpSize>& PaletteBmp()
{
    static const std::array<std::uint8_t, PaletteBmpSize> bytes = Encode();
    return bytes;
}

} // namespace colorpic
