#include "usercontrol.h"

#include "accessiblenotice.h"
#include "containerwidget.h"

namespace platform {

UserControl::UserControl(Container& host, const Design& design)
    : Container(), WindowedControl(host, design, std::make_unique<ContainerWidget>(*this, &host.widget()))
{
    attachWidget(static_cast<ContainerWidget&>(WindowedControl::widget()));
    // A click hands the focus on to the focus child; tabbing reaches that child directly.
    WindowedControl::widget().setFocusPolicy(Qt::ClickFocus);
    applyAll();
}

UserControl::~UserControl() = default;

void UserControl::Create(const PropertyBag* saved)
{
    UserControl_Initialize();
    if (saved)
        UserControl_ReadProperties(*saved);
    else
        UserControl_InitProperties();
}

void UserControl::CreateFromText(const std::string& saved)
{
    const PropertyBag bag = PropertyBag::FromText(saved);
    Create(&bag);
}

PropertyBag UserControl::Save()
{
    PropertyBag bag;
    UserControl_WriteProperties(bag);
    return bag;
}

bool UserControl::AmbientUserMode() const { return Parent().AmbientUserMode(); }

void UserControl::PropertyChanged(const std::string& key) { Parent().controlPropertyChanged(*this, key); }

void UserControl::setFocusChild(WindowedControl& child)
{
    focusChild_ = &child;
    WindowedControl::widget().setFocusProxy(&child.widget());
    applyName();
}

void UserControl::applyName()
{
    if (focusChild_)
        focusChild_->widget().setObjectName(QString::fromStdString(UniqueName()));
}

void UserControl::AccessibleValueChanged()
{
    const std::string now = AccessibleValue();
    if (focusChild_)
        ReportChoiceChanged(focusChild_->widget(), reportedValue_, now);
    reportedValue_ = now;
}

void UserControl::applyGeometry()
{
    WindowedControl::applyGeometry();
    // Any change of the extender's size counts, also one that rounds to the same pixels.
    const QSizeF size(Width(), Height());
    if (size == applied_)
        return;
    applied_ = size;
    UserControl_Resize();
}

void UserControl::widgetShown(bool shown)
{
    if (shown)
        UserControl_Show();
    else
        UserControl_Hide();
}

} // namespace platform
