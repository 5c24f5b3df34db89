#include "accessibility.h"

#include "accessiblenotice.h"
#include "checkbox.h"
#include "chooseritemaccessible.h"
#include "combobox.h"
#include "containerwidget.h"
#include "controlaccessible.h"
#include "form.h"
#include "picturebox.h"
#include "programaccessible.h"

#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

namespace platform {

namespace {

QAccessibleInterface* Describe(const QString&, QObject* object)
{
    if (object && object->parent() && !object->isWidgetType()) {
        if (object->objectName() == QLatin1String(ValueItemName))
            return new ChosenColorAccessible(object);
        if (object->objectName() == QLatin1String(LabelItemName))
            return new ControlLabelAccessible(object);
    }
    if (object && object == QCoreApplication::instance())
        return new ApplicationAccessible;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* container = dynamic_cast<ContainerWidget*>(widget); container && dynamic_cast<Form*>(&container->owner()))
        return new FormAccessible(widget);
    const WindowedControl* control = WindowedControl::of(widget);
    if (!control)
        return nullptr;
    if (dynamic_cast<const CheckBox*>(control))
        return new ToggleButtonAccessible(qobject_cast<QPushButton*>(widget));
    if (dynamic_cast<const ComboBox*>(control))
        return new NumberListAccessible(qobject_cast<QComboBox*>(widget));
    if (dynamic_cast<const PictureBox*>(control))
        return new PictureBoxAccessible(widget, *control);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = (QAccessible::installFactory(Describe), true);
    (void)installed;
}

} // namespace platform
