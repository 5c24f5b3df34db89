#pragma once

#include <QAccessibleWidget>
#include <QString>

class QComboBox;
class QPushButton;

namespace platform {

class UserControl;
class WindowedControl;

// What a screen reader reads of the controls: their kinds, states and values.

// A read-only text: the value of a control that has no text of its own to edit.
class ValueText : public QAccessibleTextInterface {
public:
    virtual QString valueText() const = 0;

    // Whether the value stands for what the user has chosen in the control, and so is selected.
    virtual bool valueChosen() const { return false; }

    void selection(int, int* start, int* end) const override;
    int selectionCount() const override { return valueChosen() ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override { return static_cast<int>(valueText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override;
};


// A picture box: an image named as the control, whose value is its colour. The focus child of a
// user control stands for the whole control instead: one focusable object of the control's kind,
// at the control's place on the screen, named and valued by it (on Windows a colour chooser is a
// list of one selected item, the chosen colour: ChosenColorAccessible; elsewhere a colour chooser
// labelled by its one item, ControlLabelAccessible). Which of the two it is, is
// looked up on every call: a screen reader may ask before the user control has chosen its focus
// child. Every control here is focusable only while it is enabled, as the Tab key stops on it.
class PictureBoxAccessible : public QAccessibleWidget, public ValueText {
public:
    PictureBoxAccessible(QWidget* widget, const WindowedControl& control);
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    QRect rect() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QString valueText() const override;
    bool valueChosen() const override { return host() != nullptr; }

private:
    // The user control that this box stands for, or null.
    const UserControl* host() const;
    bool listsChosenColor() const;
    bool labelsChooser() const;
    // The one item of the user control: its chosen colour or its label.
    bool hasItem() const;
    QObject* item() const;
    const WindowedControl& control_;
};


// A button that stays down while its value is 1: checkable, checked with the value; pressing or
// toggling it is a click, as a user's.
class ToggleButtonAccessible : public QAccessibleWidget {
public:
    explicit ToggleButtonAccessible(QPushButton* button);
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    QPushButton& button() const;
};

// A drop-down list of numbers: named as the control; its value is the chosen item, as a number and
// as text; a change by the user or by code is reported as a value change.
class NumberListAccessible : public QAccessibleWidget, public QAccessibleValueInterface, public ValueText {
public:
    explicit NumberListAccessible(QComboBox* list);
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }
    QString valueText() const override;

private:
    QComboBox& list() const;
};


} // namespace platform
