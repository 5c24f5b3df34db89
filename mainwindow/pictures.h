#pragma once

#include "picture.h"

namespace mainwindow {

// The 11 by 11 button faces; white is their mask colour.
platform::Picture ClearPicture(); // an empty black frame
platform::Picture StartPicture(); // a dark-green play triangle
platform::Picture StopPicture();  // a dark-red square
platform::Picture PausePicture(); // two navy bars

// The program's icon, edge by edge pixels: the ant's patch in spring green on purple.
platform::Picture IconPicture(int edge);

} // namespace mainwindow
