#pragma once

#include "scalemode.h"

#include <string>

namespace platform {

// A control as a form's design describes it. Lengths are in twips, 15 to a pixel.
struct Design {
    std::string name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = -1; // -1: takes no part in the tab order
    std::string toolTipText;
    bool visible = true;
    bool enabled = true;
};

} // namespace platform
