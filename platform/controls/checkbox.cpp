#include "checkbox.h"

#include "buttonface.h"
#include "container.h"
#include "errors.h"

#include <QPushButton>
#include <QSignalBlocker>

namespace platform {

CheckBox::CheckBox(Container& parent, const Design& design, const platform::Picture& picture, int value)
    : WindowedControl(parent, design, std::make_unique<QPushButton>(&parent.widget())), value_(value)
{
    button().setCheckable(true);
    button().setChecked(value_ == 1);
    ShowButtonPicture(button(), picture);
    QObject::connect(&button(), &QPushButton::clicked, &button(), [this](bool checked) {
        value_ = checked ? 1 : 0;
        Click();
    });
    applyAll();
}

QPushButton& CheckBox::button() const { return static_cast<QPushButton&>(widget()); }

void CheckBox::setValue(int value)
{
    if (value < 0 || value > 1)
        throw InvalidPropertyValue("check box value must be 0 or 1 in " + Name());
    if (value == value_)
        return;
    value_ = value;
    {
        const QSignalBlocker blocker(&button());
        button().setChecked(value_ == 1);
    }
    Click();
}

} // namespace platform
