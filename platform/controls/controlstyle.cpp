#include "controlstyle.h"

#include <QFont>
#include <QFontDatabase>

namespace platform {

QFont ControlFont()
{
    // The face the platform gives its own dialogs: a family named here could be missing, and
    // what stands in for it may be a serif face (Windows has no "Sans Serif").
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(ControlFontPoints);
    return font;
}

} // namespace platform
