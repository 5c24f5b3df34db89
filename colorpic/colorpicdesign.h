#pragma once

#include "design.h"
#include "palette.h"
#include "translations.h"

namespace colorpic::design {

// The picker's texts, in English, shown in the user's language in this context.
inline constexpr const char* TextContext = "ColorPic";
// What a screen reader says of the chosen colour: the colour, its column and its row.
inline constexpr const char* ChosenColorWords = QT_TRANSLATE_NOOP("ColorPic", "%1, column %2, row %3");

// The picker as designed: its constituent controls in twips, the palette at one pixel a cell.
// picStore lies below and right of the picker's own area on purpose, where it never shows: it is
// the palette's colour store, read with Point, and the picker's keyboard focus, while the user
// sees and points at the enlarged copy, imgShow.
//                                    name          left   top   width                                    height                                  tab  tooltip
inline const platform::Design picStore{"picStore",     3240, 2640, PaletteWidth * platform::TwipsPerPixel, PaletteHeight * platform::TwipsPerPixel, 0, "", true, true};
inline const platform::Design imgShow{"imgShow",          0,    0, 2295,                                   1575,                                    -1, QT_TRANSLATE_NOOP("ColorPic", "Select color"), true, true};
inline const platform::Design shpSelected{"shpSelected", 615, 1935, 240,                                    240,                                     -1, "", true, true};

// How many times the palette is enlarged on the screen, unless its saved properties say otherwise.
inline constexpr int DefaultSizeFactor = 4;

inline constexpr int BlinkIntervalMs = 50;

// Farther than any two colours are apart: the squared distance of black and white is 3 * 255^2.
inline constexpr int FartherThanAnyColor = 200000;

} // namespace colorpic::design
