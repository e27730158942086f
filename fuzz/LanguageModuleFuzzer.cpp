// Feeds arbitrary bytes to the language module reader as a module file
// beside the program: the file is the German "pwPrint" module, the
// language is switched to it, and every string it may hold is looked up
// and filled as the engine fills its messages. Crashes, sanitizer reports
// and hangs are findings.

#include "FuzzSupport.h"
#include "LanguageModules.h"
#include "TppResourceManager.h"

#include <QFile>

namespace {

constexpr int kStringsLookedUp = 400;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const LanguageModuleRegistration module(kPrintLanguageModule);
    TppResourceManager& manager = TppResourceManager::instance();
    manager.setSearchPaths({scratchFolder().path()});
    {
        QFile file(scratchFolder().filePath(kPrintLanguageModule + QStringLiteral(".deu")));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            abort();
    }
    manager.SetLanguage(lgDefault);
    if (!manager.SetLanguage(lgGerman))
        abort(); // the module is there, so the language must be taken
    const QStringList arguments = {QStringLiteral("3"), QStringLiteral("<page>"), QStringLiteral("Report1")};
    for (int n = 0; n < kStringsLookedUp; ++n)
        (void)LanguageStringFmt(n, arguments);
    return 0;
}
