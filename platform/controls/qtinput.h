#pragma once

#include <Qt>

namespace platform {

// Qt's input values in the runtime's terms (keycodes.h).
int KeyCodeOf(int qtKey);
int ShiftOf(Qt::KeyboardModifiers modifiers);
int ButtonsOf(Qt::MouseButtons buttons);

} // namespace platform
