#pragma once

#include "colorvalue.h"

#include <string>

namespace platform {

// A colour as a screen reader reads it, and as people write it: "#44FFAF".
std::string ColorText(ColorValue color);

} // namespace platform
