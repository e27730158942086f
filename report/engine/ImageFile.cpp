#include "ImageFile.h"

#include <QFile>
#include <QFileInfo>

QByteArray readImageFile(const QString& path, qint64 limit) {
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > limit)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The file may have grown since it was looked at.
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        return {};
    return bytes;
}
