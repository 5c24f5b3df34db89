#pragma once

#include "event.h"
#include "windowedcontrol.h"

#include <string>

class QComboBox;

namespace platform {

// A drop-down list: only its items can be chosen. Click comes on every pick by the user, also of
// the item already chosen, and whenever code writes ListIndex or a Text that names an item.
class ComboBox : public WindowedControl {
public:
    ComboBox(Container& parent, const Design& design);

    void AddItem(const std::string& item);
    int ListCount() const;
    std::string List(int index) const;

    // -1 when nothing is chosen.
    int ListIndex() const;
    // -1 <= index < ListCount; throws InvalidPropertyValue otherwise.
    void setListIndex(int index);
    std::string Text() const;
    // Chooses the first item equal to text; throws InvalidPropertyValue when there is none.
    void setText(const std::string& text);

    Event<> Click;

private:
    QComboBox& combo() const;
};

} // namespace platform
