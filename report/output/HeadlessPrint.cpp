#include "HeadlessPrint.h"

#include "CollectingDevice.h"
#include "PageDump.h"
#include "PagePicture.h"
#include "PagewrightErrors.h"
#include "TppProducer.h"

#include <QDir>

PageList printToPages(TppProducer& report, const TppPageRequest& request) {
    CollectingDevice device;
    device.SetPageRequest(request);
    device.SetPublisher(&report.Publisher());
    struct Detach {
        CollectingDevice& device;
        ~Detach() { device.SetPublisher(nullptr); }
    } detach{device};
    report.RunPrintJob();
    return device.TakePages();
}

std::optional<PageOutput> PageOutput::take(QStringList& arguments, QString& error) {
    std::optional<PageOutput> output;
    for (qsizetype i = 0; i < arguments.size();) {
        const QString option = arguments[i];
        if (option != u"--dump" && option != u"--png") {
            ++i;
            continue;
        }
        if (output) {
            error = QStringLiteral("give either --dump or --png DIR, once");
            return std::nullopt;
        }
        output = PageOutput{};
        if (option == u"--png") {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(u"--")) {
                error = QStringLiteral("--png needs a folder");
                return std::nullopt;
            }
            output->kind = Kind::Pictures;
            output->folder = arguments[i + 1];
            arguments.remove(i, 2);
        } else {
            arguments.remove(i);
        }
    }
    if (!output) {
        error = QStringLiteral("say how to write the pages: --dump or --png DIR");
        return output;
    }
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--dpi")); at >= 0) {
        bool ok = false;
        const int dpi = arguments.value(at + 1).toInt(&ok);
        // Beyond 1200 a Letter page alone is more than half a gigabyte of pixels.
        if (output->kind != Kind::Pictures || !ok || dpi < 10 || dpi > 1200) {
            error = output->kind != Kind::Pictures
                        ? QStringLiteral("--dpi goes with --png DIR")
                        : QStringLiteral("--dpi needs a resolution from 10 to 1200");
            return std::nullopt;
        }
        output->pixelsPerInch = dpi;
        arguments.remove(at, 2);
    }
    return output;
}

void writePages(const PageList& pages, const PageOutput& output, QTextStream& out) {
    if (output.kind == PageOutput::Kind::Dump) {
        for (const auto& page : pages)
            for (const QString& line : pageDumpLines(*page))
                out << line << '\n';
        out.flush();
        return;
    }
    if (!pages.empty() && !QDir().mkpath(output.folder))
        throw EPagewrightError(QStringLiteral("Cannot create the folder \"%1\".").arg(output.folder));
    for (const auto& page : pages)
        writePagePicture(*page, output.folder, output.pixelsPerInch);
}
