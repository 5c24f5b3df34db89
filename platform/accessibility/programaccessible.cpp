#include "programaccessible.h"

#include "containerwidget.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

namespace platform {

QList<QAccessibleInterface*> ApplicationAccessible::menus() const
{
    QList<QAccessibleInterface*> menus;
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->type() == Qt::Popup && window->isVisible())
            if (QAccessibleInterface* root = window->accessibleRoot())
                menus.append(root);
    return menus;
}

int ApplicationAccessible::childCount() const { return QAccessibleApplication::childCount() + static_cast<int>(menus().size()); }

QAccessibleInterface* ApplicationAccessible::child(int index) const
{
    const int windows = QAccessibleApplication::childCount();
    const QList<QAccessibleInterface*> open = menus();
    return index >= windows && index - windows < open.size() ? open[index - windows] : QAccessibleApplication::child(index);
}

int ApplicationAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int index = QAccessibleApplication::indexOfChild(child);
    if (index >= 0 || !child)
        return index;
    const QList<QAccessibleInterface*> open = menus();
    for (int i = 0; i < open.size(); ++i)
        if (open[i]->object() == child->object())
            return QAccessibleApplication::childCount() + i;
    return -1;
}

FormAccessible::FormAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

QAccessible::State FormAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // While one of its menus is open the window is not the active one, as with the desktop's own
    // menus: Qt tells a screen reader of the window's activation when the keyboard goes to the
    // menu, and "activated" the window would be announced over the opening menu. A list dropped
    // down from a list box is the window's own, and Orca reads it only in an active window.
#ifndef Q_OS_WIN
    if (qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        state.active = false;
#endif
    return state;
}

QList<QWidget*> FormAccessible::children() const
{
    QList<QWidget*> children;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        // A user control is the object of its focus child.
        QWidget* proxy = dynamic_cast<ContainerWidget*>(child) ? child->focusProxy() : nullptr;
        children.append(proxy ? proxy : child);
    }
    return children;
}

int FormAccessible::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* FormAccessible::child(int index) const
{
    const QList<QWidget*> all = children();
    return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
}

} // namespace platform
