#pragma once

#include <QAccessibleObject>
#include <QAccessibleWidget>

namespace platform {

// What a screen reader reads of the program as a whole: the program, its windows and its menus.

// The program: its windows, and its open menus after them. Qt leaves the menus out, although each
// names the program as its parent, and Orca then takes an open menu for a thing gone and reads it
// without its name.
class ApplicationAccessible : public QAccessibleApplication {
public:
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QAccessibleInterface*> menus() const;
};


// The window: a frame named by its caption. A user control shows as the one object of its focus
// child, in its own place among the window's children.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* window);
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> children() const;
};


} // namespace platform
