#pragma once

namespace platform {

// The edge of a picture box or an image: none, or a flat line one pixel wide.
enum BorderStyle { BorderNone = 0, BorderFixedSingle = 1 };

} // namespace platform
