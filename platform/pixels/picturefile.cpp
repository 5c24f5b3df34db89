#include "picturefile.h"

#include "picture.h"
#include "translations.h"

#include <QImageWriter>
#include <QSaveFile>

namespace platform {

namespace {

// Opens path for writing whole, lets write fill it, and puts it in place only once all of it has
// reached the disk. write returns false on a failure, with its own reason, or "" for the file's.
template <class Write>
void WriteWhole(const std::string& path, Write&& write)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file.errorString().toStdString());
    QString reason;
    // The last of the bytes reach the disk at the flush: commit would take a failure there for
    // success and put the part that was written in place.
    if (!write(file, reason) || !file.flush()) {
        // A failed write of the file itself says why; a writer's own reason is less telling.
        if (file.error() != QFileDevice::NoError || reason.isEmpty())
            reason = file.errorString();
        file.cancelWriting();
        throw FileError(reason.toStdString());
    }
    if (!file.commit())
        throw FileError(file.errorString().toStdString());
}

} // namespace

void SavePicture(const Picture& picture, const std::string& path)
{
    if (picture.IsNull())
        throw FileError(Tr("PictureFile", "There is no picture to save."));
    WriteWhole(path, [&](QSaveFile& file, QString& reason) {
        QImageWriter writer(&file, "png");
        if (writer.write(picture.image()))
            return true;
        reason = writer.errorString();
        return false;
    });
}

void SaveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path)
{
    WriteWhole(path, [&](QSaveFile& file, QString&) {
        const auto size = static_cast<qint64>(bytes.size());
        return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    });
}

} // namespace platform
