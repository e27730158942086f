#include "HeadlessPlatform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <unistd.h>

void prepareHeadlessPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + QStringLiteral("/runtime-pagewright-%1").arg(getuid());
    QDir().mkpath(folder);
    // Qt accepts a runtime folder only when it is private to its owner.
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}
