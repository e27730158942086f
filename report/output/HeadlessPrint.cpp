#include "HeadlessPrint.h"

#include "CollectingDevice.h"
#include "PageStream.h"
#include "PagewrightErrors.h"
#include "TppPdfFileDevice.h"
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
        if (option != u"--dump" && option != u"--png" && option != u"--pdf") {
            ++i;
            continue;
        }
        if (output) {
            error = QStringLiteral("give either --dump or --png DIR (or --pdf FILE), once");
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
        } else if (option == u"--pdf") {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(u"--")) {
                error = QStringLiteral("--pdf needs a file");
                return std::nullopt;
            }
            output->kind = Kind::Pdf;
            output->file = arguments[i + 1];
            arguments.remove(i, 2);
        } else {
            arguments.remove(i);
        }
    }
    if (!output) {
        error = QStringLiteral("say how to write the pages: --dump or --png DIR (or --pdf FILE)");
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

std::unique_ptr<PageSink> PageOutput::sink(QTextStream& out) const {
    switch (kind) {
    case Kind::Pictures:
        return pictureSink(folder, pixelsPerInch);
    case Kind::Pdf: {
        auto device = std::make_unique<TppPdfFileDevice>();
        device->SetFileName(file);
        return deviceSink(std::move(device));
    }
    case Kind::Dump:
        break;
    }
    return dumpSink(out);
}

void writePages(const PageList& pages, const PageOutput& output, QTextStream& out) {
    const std::unique_ptr<PageSink> sink = output.sink(out);
    streamPages(pages, {sink.get()});
}
