#include "colortext.h"

#include <cstdio>

namespace platform {

std::string ColorText(ColorValue color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

} // namespace platform
