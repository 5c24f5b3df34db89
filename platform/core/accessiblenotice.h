#pragma once

#include <string>

class QWidget;

namespace platform {

// How a control tells a screen reader that what it shows has changed. Cheap when none listens.

// The control's accessible text changed from `before` to `now`, as a value that it shows does.
// Where the control shows its value as the one selected item of a list (a colour chooser for
// Windows' screen readers), that item is reported selected anew.
void ReportTextChanged(QWidget& widget, const std::string& before, const std::string& now);
// The object name of such an item, a child of the control's widget.
inline constexpr const char* ValueItemName = "chosen";
// The widget's accessible name changed, as a window's does with its caption.
void ReportNameChanged(QWidget& widget);

} // namespace platform
