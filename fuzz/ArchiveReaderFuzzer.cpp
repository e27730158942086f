// Feeds arbitrary bytes to the archive reader, as "kestrel preview FILE"
// does, and draws every page it accepts as the preview would (at a low
// resolution, to keep runs quick). Crashes, sanitizer reports and hangs are
// findings; archives refused as damaged are not.

#include "ArchiveReader.h"
#include "BarCodeClasses.h"
#include "EngineClasses.h"
#include "FuzzSupport.h"
#include "PagePicture.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        ensureGuiApplication();
        registerEngineClasses();
        registerBarCodeClasses();
        registerTemplateClasses();
        return true;
    }();
    (void)registered;

    std::vector<std::unique_ptr<TppPage>> pages;
    try {
        pages = ReadArchive(bytesOf(data, size));
    } catch (const EPagewrightError&) {
        return 0;
    }
    for (const auto& page : pages)
        (void)pagePicture(*page, 12);
    return 0;
}
