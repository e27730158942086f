#include "TemporaryFiles.h"

#include <QDir>
#include <QTemporaryFile>

QString TemporaryFolder() {
    return QDir::tempPath();
}

QString UniqueTemporaryFileName(const QString& folder, const QString& prefix) {
    QTemporaryFile file(QDir(folder).filePath(prefix + QStringLiteral("XXXXXX.tmp")));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return file.fileName();
}
