#include "controlstyle.h"

#include <QFont>
#include <QFontDatabase>

#ifdef Q_OS_WIN
#include <QFontInfo>
#include <QStringList>
#include <windows.h>
#endif

namespace platform {

#ifdef Q_OS_WIN
namespace {

// The family itself, drawn in its own face: not a name that the system maps to another face.
bool Draws(const QString& family)
{
    return QFontInfo(QFont(family)).family().compare(family, Qt::CaseInsensitive) == 0;
}

} // namespace
#endif

QFont ControlFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
#ifdef Q_OS_WIN
    // The face Windows sets its dialogs' text in (Segoe UI), else the sans-serif faces that
    // Windows and Wine ship. Qt's general font there is "MS Shell Dlg 2", a name that a font
    // substitution resolves; where it does not, as in a bare Wine, what stands in is a serif face.
    QStringList candidates;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        candidates << QString::fromWCharArray(metrics.lfMessageFont.lfFaceName);
    candidates << QStringLiteral("Segoe UI") << QStringLiteral("Tahoma") << QStringLiteral("Arial")
               << QStringLiteral("DejaVu Sans") << QStringLiteral("Liberation Sans");
    for (const QString& family : candidates)
        if (Draws(family)) {
            font = QFont(family);
            break;
        }
#endif
    font.setStyleHint(QFont::SansSerif);
    constexpr double designDotsPerInch = 96;
    constexpr double pointsPerInch = 72;
    font.setPixelSize(static_cast<int>(ControlFontPoints * designDotsPerInch / pointsPerInch + 0.5));
    return font;
}

} // namespace platform
