#pragma once

#include "event.h"
#include "picture.h"
#include "windowedcontrol.h"

class QPushButton;

namespace platform {

// A push button in graphical style: a picture and no caption. White pixels of the picture are
// transparent on the button face.
class CommandButton : public WindowedControl {
public:
    CommandButton(Container& parent, const Design& design, const platform::Picture& picture);

    Event<> Click;

private:
    QPushButton& button() const;
};

} // namespace platform
