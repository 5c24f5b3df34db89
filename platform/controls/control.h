#pragma once

#include "design.h"

#include <QRect>

#include <string>

namespace platform {

class Container;

// What every control has: a name, a place and size in its container's scale (pixels for every
// container of this program), visibility, an enabled state, a tab index and a tooltip.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& Name() const { return name_; }
    // Its place in a control array; a control of its own has none.
    void setIndex(int index);
    // The name that tells it apart from every other control of its form: the name, and the index
    // of an array's element ("picSrc1"). Accessibility tools address the control by it.
    std::string UniqueName() const { return index_ < 0 ? name_ : name_ + std::to_string(index_); }
    Container& Parent() const { return parent_; }

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float left) { Move(left, top_, width_, height_); }
    void setTop(float top) { Move(left_, top, width_, height_); }
    void setWidth(float width) { Move(left_, top_, width, height_); }
    void setHeight(float height) { Move(left_, top_, width_, height); }
    // Throws InvalidPropertyValue for a negative width or height, leaving the control as it was.
    void Move(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int TabIndex() const { return tabIndex_; }
    const std::string& ToolTipText() const { return toolTipText_; }
    void setToolTipText(const std::string& text);
    // What a screen reader calls the control: its own accessible name, else its tooltip text.
    const std::string& AccessibleName() const { return accessibleName_.empty() ? toolTipText_ : accessibleName_; }
    void setAccessibleName(const std::string& name);

    // The control's outer rectangle in whole pixels of its container.
    QRect pixelRect() const;

protected:
    Control(Container& parent, const Design& design);

    // Called after each change, so that the control shows it; derived constructors call them once.
    virtual void applyGeometry() {}
    virtual void applyVisible() {}
    virtual void applyEnabled() {}
    virtual void applyToolTip() {}
    virtual void applyName() {}

private:
    Container& parent_;
    std::string name_;
    int index_ = -1;
    float left_;
    float top_;
    float width_;
    float height_;
    bool visible_;
    bool enabled_;
    int tabIndex_;
    std::string toolTipText_;
    std::string accessibleName_;
};

} // namespace platform
