// Feeds arbitrary bytes to the ini reader as the two files it reads:
// CONFIG.INI beside Kestrel, read into the window's configuration, and the
// designer's settings file, read into the designer's settings, written
// back, and read again, which must give the same settings. Crashes,
// sanitizer reports and hangs are findings.

#include "AppConfig.h"
#include "DesignerSettings.h"
#include "FuzzSupport.h"

#include <QFile>

namespace {

void writeFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        abort();
}

bool operator==(const DesignerSettings& a, const DesignerSettings& b) {
    return a.freeOnClose == b.freeOnClose && a.showData == b.showData && a.windowState == b.windowState &&
           a.bounds == b.bounds && a.defaultFontName == b.defaultFontName &&
           a.defaultFontSize == b.defaultFontSize && a.recentMax == b.recentMax && a.recent == b.recent;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = bytesOf(data, size);
    const QString config = scratchFolder().filePath(QStringLiteral("CONFIG.INI"));
    writeFile(config, bytes);
    const AppConfig read = AppConfig::read(config);
    (void)read.windowTitle();
    if (read.rotationIntervalMs() <= 0)
        abort();

    const QString designer = scratchFolder().filePath(QStringLiteral("Pwright.ini"));
    writeFile(designer, bytes);
    DesignerSettings settings;
    {
        IniFileStore store(designer);
        settings = DesignerSettings::read(store);
        settings.write(store);
        store.flush();
    }
    if (!(DesignerSettings::read(IniFileStore(designer)) == settings))
        abort();
    return 0;
}
