#include "filedialog.h"

#include "form.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

bool FileDialog::ShowSave()
{
    QFileDialog dialog(&owner_.widget(), QString::fromStdString(DialogTitle), QString::fromStdString(InitDir),
                       QString::fromStdString(Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(DefaultExt));
    dialog.selectFile(QDir(QString::fromStdString(InitDir)).filePath(QString::fromStdString(FileName)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
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
