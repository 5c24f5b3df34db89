#include "controlaccessible.h"

#include "accessiblenotice.h"
#include "usercontrol.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QPushButton>

#include <string>

namespace platform {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Windows' screen readers know no colour chooser (UI Automation has no such control type), but
// they know a list: there a colour chooser is a list whose one item, selected, is the chosen colour.
// Elsewhere it stays a colour chooser, and since Orca reads such a chooser's name only from a
// label and its colour from nothing it offers, it carries a label of its own, and every picture
// box tells its colour as its description, which Orca speaks after the name and again whenever it
// changes (core/accessiblenotice.cpp).
#ifdef Q_OS_WIN
constexpr bool ChooserAsList = true;
#else
constexpr bool ChooserAsList = false;
#endif
constexpr bool ValueAsDescription = !ChooserAsList;

// A widget's state as the keyboard has it: focusable only where the Tab key stops, while enabled.
QAccessible::State AsTabStop(QAccessible::State state, const QWidget& widget)
{
    state.focusable = state.focusable && widget.isEnabled();
    return state;
}

} // namespace

QString ValueText::text(int start, int end) const
{
    const QString value = valueText();
    if (end < 0 || end > value.size())
        end = static_cast<int>(value.size());
    return start < 0 || start >= end ? QString() : value.mid(start, end - start);
}

void ValueText::selection(int, int* start, int* end) const
{
    *start = 0;
    *end = valueChosen() ? characterCount() : 0;
}

QString ValueText::attributes(int, int* start, int* end) const
{
    *start = 0;
    *end = characterCount();
    return {};
}


PictureBoxAccessible::PictureBoxAccessible(QWidget* widget, const WindowedControl& control)
    : QAccessibleWidget(widget, QAccessible::Graphic), control_(control)
{
}

const UserControl* PictureBoxAccessible::host() const
{
    const auto* host = dynamic_cast<const UserControl*>(&control_.Parent());
    return host && host->focusChild() == &control_ ? host : nullptr;
}

QAccessible::Role PictureBoxAccessible::role() const
{
    const UserControl* control = host();
    if (!control)
        return QAccessible::Graphic;
    if (control->accessibleRole() != UserControl::AccessibleRole::ColorChooser)
        return QAccessible::Grouping;
    return ChooserAsList ? QAccessible::List : QAccessible::ColorChooser;
}

QAccessible::State PictureBoxAccessible::state() const { return AsTabStop(QAccessibleWidget::state(), *widget()); }

bool PictureBoxAccessible::listsChosenColor() const { return role() == QAccessible::List; }

bool PictureBoxAccessible::labelsChooser() const { return role() == QAccessible::ColorChooser; }

QObject* PictureBoxAccessible::item() const
{
    const char* name = listsChosenColor() ? ValueItemName : LabelItemName;
    QObject* item = widget()->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (!item) {
        item = new QObject(widget()); // the widget owns it
        item->setObjectName(name);
    }
    return item;
}

bool PictureBoxAccessible::hasItem() const { return host() && (listsChosenColor() || labelsChooser()); }

QAccessibleInterface* PictureBoxAccessible::parent() const
{
    const UserControl* control = host();
    return control ? QAccessible::queryAccessibleInterface(&control->Parent().widget()) : QAccessibleWidget::parent();
}

int PictureBoxAccessible::childCount() const
{
    if (host())
        return hasItem() ? 1 : 0;
    return QAccessibleWidget::childCount();
}

QAccessibleInterface* PictureBoxAccessible::child(int index) const
{
    if (host())
        return index == 0 && hasItem() ? QAccessible::queryAccessibleInterface(item()) : nullptr;
    return QAccessibleWidget::child(index);
}

int PictureBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (host())
        return child && hasItem() && child->object() == item() ? 0 : -1;
    return QAccessibleWidget::indexOfChild(child);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> PictureBoxAccessible::relations(QAccessible::Relation match) const
{
    if (host() && labelsChooser() && (match & QAccessible::Label))
        return {{QAccessible::queryAccessibleInterface(item()), QAccessible::Label}};
    return QAccessibleWidget::relations(match);
}

QRect PictureBoxAccessible::rect() const
{
    const UserControl* control = host();
    if (!control)
        return QAccessibleWidget::rect();
    const QWidget& shown = control->WindowedControl::widget();
    return {shown.mapToGlobal(QPoint(0, 0)), shown.size()};
}

QString PictureBoxAccessible::text(QAccessible::Text t) const
{
    const UserControl* control = host();
    switch (t) {
    case QAccessible::Name: return control ? Q(control->AccessibleName()) : QAccessibleWidget::text(t);
    case QAccessible::Value: return valueText();
    // Never the tooltip, which is the name already.
    case QAccessible::Description: return ValueAsDescription ? valueText() : QString();
    default: return QAccessibleWidget::text(t);
    }
}

void* PictureBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : QAccessibleWidget::interface_cast(type);
}

QString PictureBoxAccessible::valueText() const
{
    const UserControl* control = host();
    return Q(control ? control->AccessibleValue() : control_.AccessibleValue());
}

ToggleButtonAccessible::ToggleButtonAccessible(QPushButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

QPushButton& ToggleButtonAccessible::button() const { return *static_cast<QPushButton*>(widget()); }

QAccessible::State ToggleButtonAccessible::state() const
{
    QAccessible::State state = AsTabStop(QAccessibleWidget::state(), *widget());
    state.checkable = true;
    state.checked = button().isChecked();
    state.pressed = button().isChecked();
    return state;
}

QStringList ToggleButtonAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return {pressAction(), toggleAction()};
}

void ToggleButtonAccessible::doAction(const QString& action)
{
    if (!widget()->isEnabled())
        return;
    if (action == pressAction() || action == toggleAction())
        button().click(); // the same path as a user's click
    else
        QAccessibleWidget::doAction(action);
}

NumberListAccessible::NumberListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox& NumberListAccessible::list() const { return *static_cast<QComboBox*>(widget()); }

QAccessible::State NumberListAccessible::state() const { return AsTabStop(QAccessibleWidget::state(), *widget()); }

int NumberListAccessible::childCount() const { return 1; }

QAccessibleInterface* NumberListAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list().view()) : nullptr;
}

int NumberListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == list().view() ? 0 : -1;
}

QString NumberListAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value: return valueText();
    case QAccessible::Description: return {}; // the tooltip is its name already
    default: return QAccessibleWidget::text(t);
    }
}

QStringList NumberListAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return {showMenuAction(), pressAction(), setFocusAction()};
}

void NumberListAccessible::doAction(const QString& action)
{
    if (!widget()->isEnabled())
        return;
    if (action == showMenuAction() || action == pressAction())
        list().showPopup();
    else
        QAccessibleWidget::doAction(action);
}

void* NumberListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant NumberListAccessible::currentValue() const { return list().currentText().toDouble(); }

void NumberListAccessible::setCurrentValue(const QVariant& value)
{
    // Only listed values can be chosen: the next item up or down towards the value asked for, as
    // a user's pick.
    const double wanted = value.toDouble();
    const double now = currentValue().toDouble();
    int chosen = -1;
    for (int i = 0; i < list().count(); ++i) {
        const double item = list().itemText(i).toDouble();
        if (wanted > now && item >= wanted && chosen < 0)
            chosen = i;
        if (wanted < now && item <= wanted)
            chosen = i;
    }
    if (chosen < 0 || chosen == list().currentIndex() || !widget()->isEnabled())
        return;
    list().setCurrentIndex(chosen);
    emit list().activated(chosen);
}

QVariant NumberListAccessible::maximumValue() const { return list().count() ? list().itemText(list().count() - 1).toDouble() : 0.0; }

QVariant NumberListAccessible::minimumValue() const { return list().count() ? list().itemText(0).toDouble() : 0.0; }

QString NumberListAccessible::valueText() const { return list().currentText(); }

} // namespace platform
