#pragma once

class QPushButton;

namespace platform {

class Picture;

// Shows a picture on a graphical button's face, its white pixels transparent and its pixels
// whole at any display scale, in the small sans-serif font of the program's buttons.
void ShowButtonPicture(QPushButton& button, const Picture& picture);

} // namespace platform
