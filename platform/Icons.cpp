#include "platform/Icons.h"

#include "platform/Seams.h"

#include <QFileInfo>

namespace kestrune::platform {

QString iconPath(int size)
{
    return inApplicationFolder(QStringLiteral("icons/kestrune-%1.png").arg(size));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64, 128, 256}) {
        const QString path = iconPath(size);
        if (QFileInfo::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace kestrune::platform
