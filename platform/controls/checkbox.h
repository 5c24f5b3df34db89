#pragma once

#include "event.h"
#include "picture.h"
#include "windowedcontrol.h"

class QPushButton;

namespace platform {

// A check box in graphical style: a button that stays down while Value is 1. A user's click
// toggles Value and raises Click; code writing a different Value raises Click too.
class CheckBox : public WindowedControl {
public:
    CheckBox(Container& parent, const Design& design, const platform::Picture& picture, int value);

    int Value() const { return value_; }
    // 0 unticked, 1 ticked; raises Click when the value changes.
    void setValue(int value);

    Event<> Click;

private:
    QPushButton& button() const;
    int value_;
};

} // namespace platform
