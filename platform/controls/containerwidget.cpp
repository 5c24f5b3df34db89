#include "containerwidget.h"

#include "container.h"
#include "control.h"
#include "windowlesscontrol.h"

#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace platform {

ContainerWidget::ContainerWidget(Container& owner, QWidget* parent) : QWidget(parent), owner_(owner)
{
    // Windowless controls hear pointer moves without a button too.
    setMouseTracking(true);
}

void ContainerWidget::paintEvent(QPaintEvent* event)
{
    // Only the part asked for: a window's own paint is mostly a small exposed strip.
    const QRect area = event->rect().intersected(rect());
    if (area.isEmpty())
        return;
    QImage canvas(area.size(), QImage::Format_RGB32);
    canvas.fill(palette().color(QPalette::Window));
    owner_.paintWindowless(canvas, area.topLeft());
    QPainter(this).drawImage(area.topLeft(), canvas);
}

void ContainerWidget::mousePressEvent(QMouseEvent* event) { owner_.routeMouse(*event); }
void ContainerWidget::mouseMoveEvent(QMouseEvent* event) { owner_.routeMouse(*event); }
void ContainerWidget::mouseReleaseEvent(QMouseEvent* event) { owner_.routeMouse(*event); }

void ContainerWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    owner_.widgetResized();
}

void ContainerWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        owner_.widgetStateChanged();
}

void ContainerWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    owner_.widgetShown(true);
}

void ContainerWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    owner_.widgetShown(false);
}

bool ContainerWidget::event(QEvent* event)
{
    // A window shows where the keyboard focus is from the moment it becomes active, as it does
    // after a Tab, not only once a key has moved it.
    if (event->type() == QEvent::WindowActivate && isWindow()) {
        setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focus = focusWidget())
            focus->update();
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        // A control that lets the mouse through, such as a shape, lets its tooltip through too.
        if (const WindowlessControl* control = owner_.windowlessAt(help->pos());
            control && !control->ToolTipText().empty()) {
            QToolTip::showText(help->globalPos(), QString::fromStdString(control->ToolTipText()), this);
            return true;
        }
    }
    return QWidget::event(event);
}

bool ContainerWidget::focusNextPrevChild(bool next) { return owner_.moveFocus(next) || QWidget::focusNextPrevChild(next); }

} // namespace platform
