#include "windowedcontrol.h"

#include <QWidget>

namespace platform {

WindowedControl::WindowedControl(Container& parent, const Design& design, std::unique_ptr<QWidget> widget)
    : Control(parent, design), widget_(std::move(widget))
{
}

// The widget goes before its container's widget, which would otherwise delete it a second time.
WindowedControl::~WindowedControl() = default;

void WindowedControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

void WindowedControl::applyAll()
{
    applyGeometry();
    applyVisible();
    applyEnabled();
    applyToolTip();
}

void WindowedControl::applyGeometry() { widget_->setGeometry(pixelRect()); }
void WindowedControl::applyVisible() { widget_->setVisible(Visible()); }
void WindowedControl::applyEnabled() { widget_->setEnabled(Enabled()); }
void WindowedControl::applyToolTip() { widget_->setToolTip(QString::fromStdString(ToolTipText())); }

} // namespace platform
