#include "commandbutton.h"

#include "buttonface.h"
#include "container.h"

#include <QPushButton>

namespace platform {

CommandButton::CommandButton(Container& parent, const Design& design, const platform::Picture& picture)
    : WindowedControl(parent, design, std::make_unique<QPushButton>(&parent.widget()))
{
    ShowButtonPicture(button(), picture);
    QObject::connect(&button(), &QPushButton::clicked, &button(), [this] { Click(); });
    applyAll();
}

QPushButton& CommandButton::button() const { return static_cast<QPushButton&>(widget()); }

} // namespace platform
