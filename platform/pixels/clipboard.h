#pragma once

namespace platform {

class Picture;

// The system clipboard.
class Clipboard {
public:
    // Puts a copy of the picture on the clipboard as an image, pixel for pixel; other programs
    // paste it as long as this one runs. A null picture leaves the clipboard as it was.
    static void SetData(const Picture& picture);
};

} // namespace platform
