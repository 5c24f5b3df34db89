#pragma once

#include "control.h"

#include <memory>
#include <string>

class QWidget;

namespace platform {

// A control with a Qt widget of its own: it takes the focus and keys, and lies above every
// windowless control of its container.
class WindowedControl : public Control {
public:
    ~WindowedControl() override;

    QWidget& widget() const { return *widget_; }
    void SetFocus();

    // The control whose widget this is, or null.
    static WindowedControl* of(const QWidget* widget);
    // What a screen reader reads as the control's value; empty for one without a value.
    virtual std::string AccessibleValue() const { return {}; }

protected:
    // widget must be a child of the container's widget.
    WindowedControl(Container& parent, const Design& design, std::unique_ptr<QWidget> widget);
    // Shows the design's geometry, visibility, state and tooltip; derived constructors call it last.
    void applyAll();
    void applyGeometry() override;
    void applyVisible() override;
    void applyEnabled() override;
    void applyToolTip() override;
    // The widget's object name is the control's unique name: UI Automation's AutomationId.
    void applyName() override;

private:
    std::unique_ptr<QWidget> widget_;
};

} // namespace platform
