#pragma once

#include <QAccessibleObject>

namespace platform {

// The items that a colour chooser's object holds for a screen reader: its chosen colour, where it
// is read as a list, or its label, where it is read as a chooser.

// The one item of a control's object (a child QObject of its widget): it stands where the control
// stands, with nothing inside it.
class ControlItemAccessible : public QAccessibleObject {
public:
    explicit ControlItemAccessible(QObject* item) : QAccessibleObject(item) {}
    QAccessibleInterface* parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QRect rect() const override;
};

// The one item of a colour chooser shown as a list: selected, named by the chosen colour.
class ChosenColorAccessible : public ControlItemAccessible {
public:
    using ControlItemAccessible::ControlItemAccessible;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
};

// The label of a colour chooser, named as the control: a screen reader that takes a chooser's
// name only from its label reads it here. It shows nothing of its own.
class ControlLabelAccessible : public ControlItemAccessible {
public:
    using ControlItemAccessible::ControlItemAccessible;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
};

} // namespace platform
