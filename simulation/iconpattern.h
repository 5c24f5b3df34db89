#pragma once

#include <vector>

namespace sim {

// The program's icon is the patch that the ant leaves on a small grid, drawn in the two colours.

// The patch on a cells by cells grid, row by row from the top; true for a cell in colour one.
std::vector<bool> IconPattern(int cells);

// The icon at edge by edge pixels, row by row from the top; true for a pixel in colour one. Edges
// up to 16 show the 8-cell pattern, larger ones the 16-cell pattern, each cell a block of whole
// pixels where the edge allows. edge >= 1.
std::vector<bool> IconPixels(int edge);

} // namespace sim
