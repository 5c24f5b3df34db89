#include "commandbutton.h"

#include "container.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace platform {

namespace {

// The face of a graphical button or check box: its picture with white as the mask colour.
void ShowPicture(QPushButton& button, const Picture& picture)
{
    const Picture masked = picture.Masked(RGB(255, 255, 255));
    button.setIcon(QIcon(QPixmap::fromImage(masked.image())));
    button.setIconSize(QSize(picture.Width(), picture.Height()));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8.25);
    button.setFont(font);
}

} // namespace

CommandButton::CommandButton(Container& parent, const Design& design, const platform::Picture& picture)
    : WindowedControl(parent, design, std::make_unique<QPushButton>(&parent.widget()))
{
    ShowPicture(button(), picture);
    QObject::connect(&button(), &QPushButton::clicked, &button(), [this] { Click(); });
    applyAll();
}

QPushButton& CommandButton::button() const { return static_cast<QPushButton&>(widget()); }

} // namespace platform
