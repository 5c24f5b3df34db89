#include "form.h"

#include "accessiblenotice.h"
#include "containerwidget.h"
#include "control.h"
#include "usercontrol.h"
#include "windowedcontrol.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <algorithm>

namespace platform {

Form::Form(const std::string& caption, int interiorWidthTwips, int interiorHeightTwips, bool userMode)
    : window_(std::make_unique<ContainerWidget>(*this, nullptr)), userMode_(userMode)
{
    attachWidget(*window_);
    window_->setWindowTitle(QString::fromStdString(caption));
    window_->resize(interiorWidthTwips / TwipsPerPixel, interiorHeightTwips / TwipsPerPixel);
}

Form::~Form() = default;

std::string Form::Caption() const { return window_->windowTitle().toStdString(); }

void Form::setCaption(const std::string& caption)
{
    window_->setWindowTitle(QString::fromStdString(caption));
    ReportNameChanged(*window_); // a screen reader reads the title as the window's name
}

float Form::ScaleWidth() const { return window_->isMinimized() ? 0.0F : static_cast<float>(window_->width()); }

float Form::ScaleHeight() const { return window_->isMinimized() ? 0.0F : static_cast<float>(window_->height()); }

Form::WindowState Form::windowState() const
{
    if (window_->isMinimized())
        return Minimized;
    return window_->isMaximized() ? Maximized : Normal;
}

void Form::setWindowState(WindowState state)
{
    const Qt::WindowStates qt = state == Minimized ? Qt::WindowMinimized : state == Maximized ? Qt::WindowMaximized : Qt::WindowNoState;
    window_->setWindowState(qt);
}

void Form::setIcon(const std::vector<Picture>& images)
{
    QIcon icon;
    for (const Picture& image : images)
        icon.addPixmap(QPixmap::fromImage(image.image()));
    window_->setWindowIcon(icon);
}

void Form::Show()
{
    if (!loaded_) {
        Load();
        loaded_ = true;
        applyTabOrder();
    }
    window_->show();
    reportResize();
}

void Form::controlPropertyChanged(const Control& control, const std::string& key) { changed_.emplace_back(control.Name(), key); }

void Form::widgetResized() { reportResize(); }

void Form::widgetStateChanged() { reportResize(); }

void Form::reportResize()
{
    if (!loaded_ || !window_->isVisible())
        return;
    const QSize interior(static_cast<int>(ScaleWidth()), static_cast<int>(ScaleHeight()));
    if (interior == reported_)
        return;
    reported_ = interior;
    Resize();
}

namespace {

// The widgets that take the focus, in tab order; a user control contributes its own, in its order.
void AppendTabStops(const Container& container, std::vector<QWidget*>& stops)
{
    std::vector<WindowedControl*> order;
    for (Control* control : container.controls())
        if (auto* windowed = dynamic_cast<WindowedControl*>(control); windowed && windowed->TabIndex() >= 0)
            order.push_back(windowed);
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
    for (WindowedControl* control : order) {
        if (const auto* inner = dynamic_cast<const UserControl*>(control))
            AppendTabStops(*inner, stops);
        else
            stops.push_back(&control->widget());
    }
}

} // namespace

void Form::applyTabOrder()
{
    AppendTabStops(*this, tabStops_);
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        QWidget::setTabOrder(tabStops_[i - 1], tabStops_[i]);
    // The window opens with the focus on its first tab stop.
    if (!tabStops_.empty())
        tabStops_.front()->setFocus(Qt::ActiveWindowFocusReason);
}

bool Form::moveFocus(bool next)
{
    if (tabStops_.empty())
        return false;
    // The stop that holds the focus, itself or through one of its inner widgets (a list's popup).
    const QWidget* focus = QApplication::focusWidget();
    const auto holds = [focus](const QWidget* stop) { return stop == focus || (focus && stop->isAncestorOf(focus)); };
    const auto at = std::find_if(tabStops_.begin(), tabStops_.end(), holds);
    const auto count = static_cast<std::ptrdiff_t>(tabStops_.size());
    std::ptrdiff_t index = at == tabStops_.end() ? (next ? -1 : count) : at - tabStops_.begin();
    // Round the cycle, over the stops that cannot take the focus now (disabled or hidden).
    for (std::ptrdiff_t tried = 0; tried < count; ++tried) {
        index = ((next ? index + 1 : index - 1) % count + count) % count;
        QWidget* stop = tabStops_[static_cast<std::size_t>(index)];
        if (stop->isEnabled() && stop->isVisibleTo(window_.get())) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

} // namespace platform
