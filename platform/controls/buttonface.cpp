#include "buttonface.h"

#include "controlstyle.h"
#include "picture.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace platform {

QFont ControlFont()
{
    // Windows knows a sans-serif face by its dialog face's name, fontconfig by the generic name; a
    // family that Windows lacks falls back to a serif face there.
#ifdef Q_OS_WIN
    QFont font(QStringLiteral("MS Shell Dlg 2"));
#else
    QFont font(QStringLiteral("Sans Serif"));
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(ControlFontPoints);
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
