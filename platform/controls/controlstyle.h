#pragma once

class QFont;

namespace platform {

// The look that the design fixes for every button and list.
inline constexpr double ControlFontPoints = 8.25; // the small sans-serif face of buttons and lists
inline constexpr int ListArrowWidth = 13;         // a closed list's arrow: its glyph and a margin either side

// The small font of buttons and lists: the platform's own interface face (Segoe UI on Windows, the
// desktop's sans-serif on Linux) at ControlFontPoints as the design's 96 dots per inch make it.
// Sized in the window's pixels, it scales with the window by the same whole factor, so that every
// list still shows its whole item on a desktop at 125% (drawn at 1x) or 150% (drawn at 2x).
QFont ControlFont();

} // namespace platform
