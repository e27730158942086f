#include "ArchiveCommand.h"

#include "ArchiveReader.h"
#include "BarCodeClasses.h"
#include "EngineClasses.h"
#include "HeadlessPrint.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"

namespace {

constexpr const char* kSynopsis = "pagewright archive FILE (--dump | --png DIR | --pdf FILE)";

constexpr const char* kDetails = "Reads FILE, an archive that pagewright render --archive or a report's\n"
                                 "ArchiveFile output wrote, and writes its pages as pagewright render does:\n"
                                 "--dump prints each page as text, --png DIR writes page-0001.png ... at\n"
                                 "100 %, --pdf FILE writes them as a PDF file. No template or data is "
                                 "needed. A damaged or truncated archive prints\n"
                                 "what is wrong with it and the status is 1; a usage mistake gives 2.\n";

} // namespace

int runArchiveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.contains(u"--help") || arguments.contains(u"-h")) {
        out << "Usage: " << kSynopsis << "\n" << kDetails;
        return 0;
    }
    QStringList rest = arguments;
    QString error;
    const auto output = PageOutput::take(rest, error);
    if (output && (rest.size() != 1 || rest[0].startsWith(u"--")))
        error = rest.isEmpty() ? QStringLiteral("which FILE?")
                               : QStringLiteral("unexpected \"%1\"").arg(rest.join(u' '));
    if (!error.isEmpty()) {
        err << "pagewright archive: " << error << "\nUsage: " << kSynopsis << "\n" << kDetails;
        return 2;
    }
    registerEngineClasses();
    registerBarCodeClasses();
    registerTemplateClasses();
    try {
        writePages(ReadArchiveFile(rest[0]), *output, out);
    } catch (const EPagewrightError& failure) {
        err << "pagewright archive: " << failure.message() << "\n";
        return 1;
    }
    return 0;
}

const PagewrightCommand archiveCommand = {"archive", kSynopsis, runArchiveCommand};
