#include "windowedcontrol.h"

#include <QWidget>

#include <unordered_map>

namespace platform {

namespace {

std::unordered_map<const QWidget*, WindowedControl*>& Controls()
{
    static std::unordered_map<const QWidget*, WindowedControl*> controls;
    return controls;
}

} // namespace

WindowedControl::WindowedControl(Container& parent, const Design& design, std::unique_ptr<QWidget> widget)
    : Control(parent, design), widget_(std::move(widget))
{
    Controls()[widget_.get()] = this;
}

// The widget goes before its container's widget, which would otherwise delete it a second time.
WindowedControl::~WindowedControl() { Controls().erase(widget_.get()); }

WindowedControl* WindowedControl::of(const QWidget* widget)
{
    const auto found = Controls().find(widget);
    return found == Controls().end() ? nullptr : found->second;
}

void WindowedControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

void WindowedControl::applyAll()
{
    applyGeometry();
    applyVisible();
    applyEnabled();
    applyToolTip();
    applyName();
}

void WindowedControl::applyGeometry() { widget_->setGeometry(pixelRect()); }
void WindowedControl::applyVisible() { widget_->setVisible(Visible()); }
void WindowedControl::applyEnabled() { widget_->setEnabled(Enabled()); }
void WindowedControl::applyName() { widget_->setObjectName(QString::fromStdString(UniqueName())); }
void WindowedControl::applyToolTip()
{
    widget_->setToolTip(QString::fromStdString(ToolTipText()));
    widget_->setAccessibleName(QString::fromStdString(AccessibleName()));
}

} // namespace platform
