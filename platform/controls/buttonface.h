#pragma once

class QFont;
class QPushButton;

namespace platform {

class Picture;

// The small sans-serif font of the program's buttons and lists.
QFont ControlFont();

// Shows a picture on a graphical button's face, its white pixels transparent, in the small
// sans-serif font of the program's buttons.
void ShowButtonPicture(QPushButton& button, const Picture& picture);

} // namespace platform
