#include "container.h"

#include "containerwidget.h"
#include "control.h"
#include "qtinput.h"
#include "windowlesscontrol.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Pixels and the host's units (pixels too) are the same length; a twip is 1/15 of either.
float TwipsPer(ScaleMode mode)
{
    return mode == ScaleMode::Twips ? 1.0F : static_cast<float>(TwipsPerPixel);
}

} // namespace

Container::Container() = default;

Container::~Container() = default;

float Container::ScaleX(float value, ScaleMode from, ScaleMode to) const
{
    return value * TwipsPer(from) / TwipsPer(to);
}

QWidget& Container::widget() const { return *widget_; }

void Container::registerControl(Control& control) { controls_.push_back(&control); }

void Container::unregisterControl(Control& control)
{
    std::erase(controls_, &control);
    if (captured_ == dynamic_cast<WindowlessControl*>(&control))
        captured_ = nullptr;
}

void Container::repaintWindowless()
{
    if (widget_)
        widget_->update();
}

void Container::paintWindowless(QImage& canvas, QPoint origin) const
{
    for (const Control* control : controls_)
        if (const auto* windowless = dynamic_cast<const WindowlessControl*>(control); windowless && windowless->Visible())
            windowless->paint(canvas, origin);
}

WindowlessControl* Container::windowlessAt(QPoint pixel) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        auto* windowless = dynamic_cast<WindowlessControl*>(*it);
        if (windowless && windowless->Visible() && windowless->takesMouse()
            && windowless->pixelRect().contains(pixel))
            return windowless;
    }
    return nullptr;
}

void Container::routeMouse(QMouseEvent& event)
{
    // The pixel under the pointer finds the control; the control gets the position itself. On a
    // scaled display that position has a fraction, which Qt keeps in the window's coordinates
    // only: a child widget's own position comes rounded to the nearest pixel.
    const QPointF position = event.scenePosition() - QPointF(widget_->mapTo(widget_->window(), QPoint(0, 0)));
    const QPoint pixel(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
    const int shift = ShiftOf(event.modifiers());
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The control that took a button keeps the mouse until every button is up, like a capture.
        WindowlessControl* target = captured_ ? captured_ : windowlessAt(pixel);
        if (!target || !target->Enabled())
            return;
        captured_ = target;
        target->mouseEvent(WindowlessControl::MouseAction::Down, ButtonsOf(event.button()), shift, position);
        break;
    }
    case QEvent::MouseMove: {
        WindowlessControl* target = captured_ ? captured_ : windowlessAt(pixel);
        if (target && target->Enabled())
            target->mouseEvent(WindowlessControl::MouseAction::Move, ButtonsOf(event.buttons()), shift, position);
        break;
    }
    case QEvent::MouseButtonRelease: {
        WindowlessControl* target = captured_ ? captured_ : windowlessAt(pixel);
        if (event.buttons() == Qt::NoButton)
            captured_ = nullptr;
        if (target && target->Enabled())
            target->mouseEvent(WindowlessControl::MouseAction::Up, ButtonsOf(event.button()), shift, position);
        break;
    }
    default:
        break;
    }
}

} // namespace platform
