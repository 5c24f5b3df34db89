#include "windowlesscontrol.h"

#include "container.h"

namespace platform {

void WindowlessControl::applyGeometry() { Parent().repaintWindowless(); }
void WindowlessControl::applyVisible() { Parent().repaintWindowless(); }

} // namespace platform
