#pragma once

class QFont;

namespace platform {

// The look that the design fixes for every button and list.
inline constexpr double ControlFontPoints = 8.25; // the small sans-serif face of buttons and lists
inline constexpr int ListArrowWidth = 13;         // a closed list's arrow: its glyph and a margin either side

// The small font of buttons and lists: the platform's own interface face (Segoe UI on Windows, the
// desktop's sans-serif on Linux) at ControlFontPoints.
QFont ControlFont();

} // namespace platform
