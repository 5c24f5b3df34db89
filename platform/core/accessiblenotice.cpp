#include "accessiblenotice.h"

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace platform {

namespace {

// An event of `type` about object, its whole news; the caller has checked that a reader listens.
void Send(QObject& object, QAccessible::Event type)
{
    QAccessibleEvent event(&object, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void ReportTextChanged(QWidget& widget, const std::string& before, const std::string& now)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(&widget, 0, QString::fromStdString(before), QString::fromStdString(now));
    QAccessible::updateAccessibility(&event);
#ifndef Q_OS_WIN
    Send(widget, QAccessible::DescriptionChanged); // the value, as a description
#endif
}

void ReportChoiceChanged(QWidget& widget, const std::string& before, const std::string& now)
{
    if (!QAccessible::isActive())
        return;
#ifdef Q_OS_WIN
    ReportTextChanged(widget, before, now);
    if (QObject* item = widget.findChild<QObject*>(ValueItemName, Qt::FindDirectChildrenOnly))
        Send(*item, QAccessible::Selection);
#else
    // Orca speaks selected text that is inserted, but calls the removal of the selected text
    // "Selection deleted": the new text is told as inserted in place of the old, the old not as
    // removed.
    (void)before;
    QAccessibleTextInsertEvent event(&widget, 0, QString::fromStdString(now));
    QAccessible::updateAccessibility(&event);
    Send(widget, QAccessible::DescriptionChanged);
#endif
}

void ReportFocus(QWidget& widget)
{
    if (QAccessible::isActive())
        Send(widget, QAccessible::Focus);
}

void ReportFocusReturned(QWidget& widget)
{
#ifdef Q_OS_WIN
    (void)widget;
#else
    ReportFocus(widget);
#endif
}

std::chrono::milliseconds FocusAnnouncingTime()
{
#ifdef Q_OS_WIN
    return std::chrono::milliseconds(0);
#else
    // Orca 43 took 50 to 70 ms from the menu's focus to its announcement on a quiet machine.
    return std::chrono::milliseconds(QAccessible::isActive() ? 200 : 0);
#endif
}

void ReportNameChanged(QWidget& widget)
{
    if (QAccessible::isActive())
        Send(widget, QAccessible::NameChanged);
}

} // namespace platform
