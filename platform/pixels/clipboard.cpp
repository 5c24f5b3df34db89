#include "clipboard.h"

#include "picture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void Clipboard::SetData(const Picture& picture)
{
    if (!picture.IsNull())
        QGuiApplication::clipboard()->setImage(picture.image());
}

} // namespace platform
