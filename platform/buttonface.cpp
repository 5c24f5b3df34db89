#include "buttonface.h"

#include "picture.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace platform {

QFont ControlFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

void ShowButtonPicture(QPushButton& button, const Picture& picture)
{
    const Picture masked = picture.Masked(RGB(255, 255, 255));
    button.setIcon(QIcon(QPixmap::fromImage(masked.image())));
    button.setIconSize(QSize(picture.Width(), picture.Height()));
    button.setFont(ControlFont());
}

} // namespace platform
