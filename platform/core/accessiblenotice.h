#pragma once

#include <chrono>
#include <string>

class QWidget;

namespace platform {

// How a control tells a screen reader that what it shows has changed. Cheap when none listens.

// The control's accessible text changed from `before` to `now`, as a value that it shows does.
void ReportTextChanged(QWidget& widget, const std::string& before, const std::string& now);
// The same for the value that the user chooses in the control. Where the control shows it as the
// one selected item of a list (a colour chooser for Windows' screen readers), that item is
// reported selected anew; elsewhere it is the control's text, all of it selected.
void ReportChoiceChanged(QWidget& widget, const std::string& before, const std::string& now);
// The object name of such an item, a child of the control's widget.
inline constexpr const char* ValueItemName = "chosen";
// The object name of a control's label of that kind.
inline constexpr const char* LabelItemName = "label";
// The widget took the keyboard focus as far as a screen reader is concerned, as a menu does that
// opens with none of its commands selected.
void ReportFocus(QWidget& widget);
// The keyboard came back to the widget from a menu of its window. Orca hears of it only from the
// program; Windows' screen readers follow the window system's focus, and are told nothing more.
void ReportFocusReturned(QWidget& widget);
// How long a screen reader takes to announce a focus reported by ReportFocus, where it passes over
// one that another follows sooner (Orca does); zero where none listens, or none would.
std::chrono::milliseconds FocusAnnouncingTime();
// The widget's accessible name changed, as a window's does with its caption.
void ReportNameChanged(QWidget& widget);

} // namespace platform
