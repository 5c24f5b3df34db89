#include "chooseritemaccessible.h"

namespace platform {

QAccessibleInterface* ControlItemAccessible::parent() const { return QAccessible::queryAccessibleInterface(object()->parent()); }

QRect ControlItemAccessible::rect() const
{
    const QAccessibleInterface* control = parent();
    return control ? control->rect() : QRect();
}

QString ChosenColorAccessible::text(QAccessible::Text t) const
{
    const QAccessibleInterface* list = parent();
    return t == QAccessible::Name && list ? list->text(QAccessible::Value) : QString();
}

QAccessible::State ChosenColorAccessible::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.selected = true;
    return state;
}

QString ControlLabelAccessible::text(QAccessible::Text t) const
{
    const QAccessibleInterface* control = parent();
    return t == QAccessible::Name && control ? control->text(QAccessible::Name) : QString();
}

QAccessible::State ControlLabelAccessible::state() const
{
    QAccessible::State state;
    state.invisible = true;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> ControlLabelAccessible::relations(QAccessible::Relation match) const
{
    if (match & QAccessible::Labelled)
        return {{parent(), QAccessible::Labelled}};
    return {};
}

} // namespace platform
