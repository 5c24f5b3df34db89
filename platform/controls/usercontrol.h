#pragma once

#include "container.h"
#include "propertybag.h"
#include "windowedcontrol.h"

#include <QSizeF>

#include <string>

namespace platform {

// A control made of other controls, hosted in a form or another container. Its life: Initialize,
// then InitProperties (never saved) or ReadProperties (loaded from a property bag); Show and Hide as
// it appears and disappears; WriteProperties when its host saves it. Its size is the extender's,
// in the host's units; a click or a tab into it gives the focus to its focusable child.
class UserControl : public Container, public WindowedControl {
public:
    ~UserControl() override;

    using Container::widget;

    // Runs the life cycle's first steps: Initialize, then ReadProperties with `saved` or, without
    // one, InitProperties.
    void Create(const PropertyBag* saved);
    // The same, from saved properties in their text form ("SizeFactor = 1\n").
    void CreateFromText(const std::string& saved);
    // Runs WriteProperties into a new bag.
    PropertyBag Save();

    bool AmbientUserMode() const override;

    // What a screen reader takes the control for.
    enum class AccessibleRole { Group, ColorChooser };
    virtual AccessibleRole accessibleRole() const { return AccessibleRole::Group; }
    // The child that takes the keyboard focus for the whole control, or null.
    const WindowedControl* focusChild() const { return focusChild_; }

protected:
    UserControl(Container& host, const Design& design);

    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag& /*bag*/) {}
    virtual void UserControl_WriteProperties(PropertyBag& /*bag*/) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Hide() {}

    // Tells the host that a saved property changed.
    void PropertyChanged(const std::string& key);
    // The child that takes the keyboard focus for the whole control.
    void setFocusChild(WindowedControl& child);
    // Tells a screen reader that AccessibleValue changed (or was chosen again).
    void AccessibleValueChanged();

private:
    void applyGeometry() override;
    // The focus child stands for the whole control and carries its name; the control's own widget
    // stays unnamed, so that the child's name is the whole of its AutomationId.
    void applyName() override;
    void widgetShown(bool shown) override;
    QSizeF applied_{-1, -1};
    WindowedControl* focusChild_ = nullptr;
    std::string reportedValue_;
};

} // namespace platform
