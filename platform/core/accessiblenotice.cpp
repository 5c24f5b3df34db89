#include "accessiblenotice.h"

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace platform {

void ReportTextChanged(QWidget& widget, const std::string& before, const std::string& now)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(&widget, 0, QString::fromStdString(before), QString::fromStdString(now));
    QAccessible::updateAccessibility(&event);
    if (QObject* item = widget.findChild<QObject*>(ValueItemName, Qt::FindDirectChildrenOnly)) {
        QAccessibleEvent selected(item, QAccessible::Selection);
        QAccessible::updateAccessibility(&selected);
    }
}

void ReportNameChanged(QWidget& widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(&widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace platform
