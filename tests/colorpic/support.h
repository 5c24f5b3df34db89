#pragma once

#include "palette.h"
#include "picture.h"

namespace colorpic::testing {

// The palette as the picker shows it: its bitmap decoded once.
inline const platform::Picture& DecodedPalette()
{
    static const platform::Picture picture = platform::Picture::FromBmp(PaletteBmp());
    return picture;
}

} // namespace colorpic::testing
