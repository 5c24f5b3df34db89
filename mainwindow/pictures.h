#pragma once

#include "picture.h"

#include <vector>

namespace mainwindow {

// The 11 by 11 button faces; white is their mask colour.
platform::Picture ClearPicture(); // an empty black frame
platform::Picture StartPicture(); // a dark-green play triangle
platform::Picture StopPicture();  // a dark-red square
platform::Picture PausePicture(); // two navy bars

// The icon's pattern: the patch that the ant leaves on a cells by cells grid, row by row from the
// top; true for a cell it left in colour one.
std::vector<bool> IconPattern(int cells);

// The program's icon, edge by edge pixels: the pattern in spring green on purple. Edges up to 16
// show the 8-cell pattern, larger ones the 16-cell pattern, each cell a block of whole pixels
// where the edge allows.
platform::Picture IconPicture(int edge);

} // namespace mainwindow
