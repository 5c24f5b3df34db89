#include "filedialog.h"

#include "form.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#include <commdlg.h>
#endif

namespace platform {

namespace {

#ifdef Q_OS_WIN
// Windows' own dialog, called without Qt's file dialog, which would keep the folders it saw in the
// registry. The chosen path, or nothing when the user cancels.
std::optional<QString> ShowWindowsSave(const QWidget& owner, const FileDialog& settings, const QString& proposed)
{
    // "PNG image (*.png)" as Windows takes it: "PNG image (*.png)", "*.png", each ending in a zero.
    const QString filter = QString::fromStdString(settings.Filter);
    const std::wstring filters = (filter + QChar(0) + filter.section('(', 1).section(')', 0, 0) + QChar(0)).toStdWString();
    // A full path opens the dialog in its folder.
    std::wstring file = QDir::toNativeSeparators(proposed).toStdWString();
    file.resize(32768, L'\0');
    const std::wstring title = QString::fromStdString(settings.DialogTitle).toStdWString();
    const std::wstring extension = QString::fromStdString(settings.DefaultExt).toStdWString();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = reinterpret_cast<HWND>(owner.winId());
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog))
        return std::nullopt;
    return QString::fromWCharArray(file.c_str());
}
#endif

// Qt's dialog, which is the desktop's own where the desktop lends Qt one.
std::optional<QString> ShowQtSave(QWidget& owner, const FileDialog& settings, const QString& proposed)
{
    QFileDialog dialog(&owner, QString::fromStdString(settings.DialogTitle), QString::fromStdString(settings.InitDir),
                       QString::fromStdString(settings.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(settings.DefaultExt));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

bool FileDialog::ShowSave()
{
    const QString proposed = QDir(QString::fromStdString(InitDir)).filePath(QString::fromStdString(FileName));
    std::optional<QString> path;
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        path = ShowWindowsSave(owner_.widget(), *this, proposed);
    else
#endif
        path = ShowQtSave(owner_.widget(), *this, proposed);
    if (!path)
        return false;
    const QFileInfo chosen(*path);
    FileName = QDir::toNativeSeparators(chosen.absoluteFilePath()).toStdString();
    InitDir = QDir::toNativeSeparators(chosen.absolutePath()).toStdString();
    return true;
}

std::string PicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString folder = !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    return QDir::toNativeSeparators(folder).toStdString();
}

} // namespace platform
