#pragma once

namespace platform {

// The look that the design fixes for every button and list.
inline constexpr double ControlFontPoints = 8.25; // the small sans-serif face of buttons and lists
inline constexpr int ListArrowWidth = 13;         // a closed list's arrow: its glyph and a margin either side

} // namespace platform
