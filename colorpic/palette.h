#pragma once

#include <array>
#include <cstdint>

namespace colorpic {

// The picker's palette: 49 columns by 19 rows, one colour a cell. Rows 0 to 17 turn once round the
// hue circle in three brightness bands of six rows, each band from its most saturated row to its
// palest; row 18 is a grey ramp from black to white.
constexpr int PaletteWidth = 49;
constexpr int PaletteHeight = 19;
constexpr std::size_t PaletteBmpSize = 2866;

// The palette as a complete 24-bit BMP file image: rows bottom first, blue-green-red, one zero pad
// byte a row.
const std::array<std::uint8_t, PaletteBmpSize>& PaletteBmp();

} // namespace colorpic
