#pragma once

#include "picture.h"

#include <vector>

namespace mainwindow {

// The 11 by 11 button faces; white is their mask colour.
platform::Picture ClearPicture(); // an empty black frame
platform::Picture StartPicture(); // a dark-green play triangle
platform::Picture StopPicture();  // a dark-red square
platform::Picture PausePicture(); // two navy bars

// The program's icon, edge by edge pixels: a patch that the ant leaves on a small grid, in spring
// green on purple. Edges up to 32 use 2 by 2-pixel cells; larger ones enlarge the 32-pixel patch.
platform::Picture IconPicture(int edge);

} // namespace mainwindow
