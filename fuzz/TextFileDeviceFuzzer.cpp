// Feeds the two text-file devices what they are given in a job: pages of
// draw commands, here read from arbitrary bytes as an archive holds them,
// and the device settings taken off the front of the input. Both devices
// write their file; crashes, sanitizer reports and hangs are findings.

#include "ArchiveReader.h"
#include "EngineClasses.h"
#include "FuzzSupport.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppPage.h"
#include "TppReportTextFileDevice.h"
#include "TppTextFileDevice.h"

namespace {

void runJob(TppFileDevice& device, const std::vector<std::unique_ptr<TppPage>>& pages) {
    device.SetFileName(scratchFolder().filePath(QStringLiteral("out.txt")));
    device.BeginJob();
    for (const auto& page : pages)
        device.AcceptPage(*page);
    device.FinishJob();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        ensureGuiApplication();
        registerEngineClasses();
        registerTemplateClasses();
        return true;
    }();
    (void)registered;

    FuzzSettings settings(bytesOf(data, size));
    const auto fileType = TppFileType(settings.choice(4));
    const bool gridFromFont = settings.flag();
    const bool gridFontFromText = settings.flag();
    const int charactersPerLine = settings.byte() | settings.byte() << 8;
    const int linesPerPage = settings.byte() | settings.byte() << 8;
    const int gridFontSize = settings.byte();

    std::vector<std::unique_ptr<TppPage>> pages;
    try {
        pages = ReadArchive(settings.rest());
    } catch (const EPagewrightError&) {
        return 0;
    }
    // Pages reach a device final and in order, the last one marked.
    for (size_t i = 0; i < pages.size(); ++i) {
        pages[i]->Final = true;
        pages[i]->LastPage = i + 1 == pages.size();
    }
    try {
        TppTextFileDevice text;
        text.SetTextFileType(fileType);
        runJob(text, pages);

        TppReportTextFileDevice grid;
        grid.GridFromFont = gridFromFont;
        grid.GridFontFromText = gridFontFromText;
        grid.CharactersPerLine = charactersPerLine;
        grid.LinesPerPage = linesPerPage;
        grid.GridFontSize = gridFontSize;
        runJob(grid, pages);
    } catch (const EPagewrightError&) {
    }
    return 0;
}
