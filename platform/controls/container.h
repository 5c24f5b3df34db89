#pragma once

#include "scalemode.h"

#include <QPoint>

#include <string>
#include <vector>

class QImage;
class QMouseEvent;
class QWidget;

namespace platform {

class Control;
class ContainerWidget;
class WindowlessControl;

// What a form and a user control share: they hold controls, draw their windowless ones in
// stacking order, route the mouse to them and convert lengths between scale units.
class Container {
public:
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container();

    // Every container of this program measures in pixels.
    ScaleMode scaleMode() const { return ScaleMode::Pixels; }
    float ScaleX(float value, ScaleMode from, ScaleMode to) const;
    float ScaleY(float value, ScaleMode from, ScaleMode to) const { return ScaleX(value, from, to); }

    // False while the controls are hosted as a form designer would host them.
    virtual bool AmbientUserMode() const = 0;

    const std::vector<Control*>& controls() const { return controls_; }
    QWidget& widget() const;

    // Runtime internals, used by the controls and the container's widget.
    void registerControl(Control& control);
    void unregisterControl(Control& control);
    void repaintWindowless();
    // Paints the windowless controls onto a canvas of the container's pixels from origin on.
    void paintWindowless(QImage& canvas, QPoint origin) const;
    // The topmost visible windowless control that takes the mouse at pixel, or null.
    WindowlessControl* windowlessAt(QPoint pixel) const;
    void routeMouse(QMouseEvent& event);
    virtual void widgetResized() {}
    virtual void widgetStateChanged() {}
    virtual void widgetShown(bool /*shown*/) {}
    // Tab (next) or Shift+Tab: moves the focus to the neighbouring tab stop; false leaves it to Qt.
    virtual bool moveFocus(bool /*next*/) { return false; }
    // A hosted user control tells its container that one of its saved properties changed.
    virtual void controlPropertyChanged(const Control& /*control*/, const std::string& /*key*/) {}

protected:
    Container();
    void attachWidget(ContainerWidget& widget) { widget_ = &widget; }

private:
    ContainerWidget* widget_ = nullptr;
    std::vector<Control*> controls_; // in creation order: later windowless controls lie on top
    WindowlessControl* captured_ = nullptr;
};

} // namespace platform
