#include "commandbutton.h"

#include "buttonface.h"
#include "container.h"

#include <QKeyEvent>
#include <QPushButton>

namespace platform {

namespace {

// Return presses a focused command button, as Space does.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat())
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

} // namespace

CommandButton::CommandButton(Container& parent, const Design& design, const platform::Picture& picture)
    : WindowedControl(parent, design, std::make_unique<PushButton>(&parent.widget()))
{
    ShowButtonPicture(button(), picture);
    QObject::connect(&button(), &QPushButton::clicked, &button(), [this] { Click(); });
    applyAll();
}

QPushButton& CommandButton::button() const { return static_cast<QPushButton&>(widget()); }

} // namespace platform
