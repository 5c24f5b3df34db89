#include "picturefile.h"

#include "picture.h"

#include <QImageWriter>
#include <QSaveFile>

namespace platform {

void SavePicture(const Picture& picture, const std::string& path)
{
    if (picture.IsNull())
        throw FileError("There is no picture to save.");
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file.errorString().toStdString());
    QImageWriter writer(&file, "png");
    // The last of the bytes reach the disk at the flush: commit would take a failure there for
    // success and put the part that was written in place.
    if (!writer.write(picture.image()) || !file.flush()) {
        // A failed write of the file itself says why; the writer's own reason is less telling.
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        throw FileError(reason.toStdString());
    }
    if (!file.commit())
        throw FileError(file.errorString().toStdString());
}

} // namespace platform
