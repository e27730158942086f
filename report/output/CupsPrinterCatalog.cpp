#include "CupsPrinterCatalog.h"

#include "PagewrightErrors.h"
#include "PdfPageLayout.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <cups/cups.h>

namespace {

// The destinations of the local server, freed with the list.
class Destinations {
public:
    Destinations() { count_ = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_); }
    ~Destinations() { cupsFreeDests(count_, dests_); }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;

    int count() const { return count_; }
    cups_dest_t& at(int i) const { return dests_[i]; }
    // Queues only: an instance ("queue/instance") is a set of options, not a printer.
    cups_dest_t* find(const QString& name) const {
        return name.isEmpty() ? nullptr : cupsGetDest(name.toUtf8().constData(), nullptr, count_, dests_);
    }

private:
    int count_ = 0;
    cups_dest_t* dests_ = nullptr;
};

QString option(const cups_dest_t& dest, const char* name) {
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

// What the queue's driver supports, as CUPS reports it; freed with it.
class DestinationInfo {
public:
    explicit DestinationInfo(cups_dest_t* dest)
        : dest_(dest), info_(dest ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest) : nullptr) {}
    ~DestinationInfo() { cupsFreeDestInfo(info_); }
    DestinationInfo(const DestinationInfo&) = delete;
    DestinationInfo& operator=(const DestinationInfo&) = delete;

    explicit operator bool() const { return info_ != nullptr; }
    QStringList supported(const char* option) const {
        QStringList values;
        if (ipp_attribute_t* attr = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest_, info_, option))
            for (int i = 0; i < ippGetCount(attr); ++i)
                if (const char* value = ippGetString(attr, i, nullptr))
                    values << QString::fromUtf8(value);
        return values;
    }
    int mediaCount() const { return cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest_, info_, 0); }
    bool media(int i, cups_size_t& size) const {
        return cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest_, info_, i, 0, &size) != 0;
    }
    QString mediaName(cups_size_t& size) const {
        return QString::fromUtf8(cupsLocalizeDestMedia(CUPS_HTTP_DEFAULT, dest_, info_, 0, &size));
    }

private:
    cups_dest_t* dest_;
    cups_dinfo_t* info_;
};

// Options that go with every document of a job.
class JobOptions {
public:
    ~JobOptions() { cupsFreeOptions(count_, options_); }
    void add(const char* name, const QByteArray& value) {
        count_ = cupsAddOption(name, value.constData(), count_, &options_);
    }
    int count() const { return count_; }
    cups_option_t* options() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

// Pages drawn into a PDF file; on finish the file goes to the queue (or
// stays where the output file name put it).
class CupsPdfJob final : public PrintJob {
public:
    CupsPdfJob(QString queue, PrinterJobSettings settings, QString paperSourceName)
        : queue_(std::move(queue)), settings_(std::move(settings)), paperSource_(std::move(paperSourceName)) {
    }

    bool open() {
        QString path = settings_.outputFileName;
        if (path.isEmpty()) {
            spool_.setFileTemplate(QDir(QDir::tempPath()).filePath(QStringLiteral("pw-print-XXXXXX.pdf")));
            if (!spool_.open())
                return false;
            path = spool_.fileName();
            spool_.close();
        }
        writer_ = std::make_unique<QPdfWriter>(path);
        writer_->setResolution(CupsPrinterCatalog::kResolution);
        writer_->setTitle(settings_.documentName);
        writer_->setCreator(QStringLiteral("Pagewright"));
        return true;
    }

    QPainter* newPage(const PrintJobRequest& page) override {
        setPdfPageLayout(*writer_, page.paperMillimetres, page.landscape);
        const bool started = pages_ == 0 ? painter_.begin(writer_.get()) : writer_->newPage();
        if (!started)
            return nullptr;
        ++pages_;
        return &painter_;
    }

    void finish() override {
        if (painter_.isActive())
            painter_.end();
        writer_.reset();
        if (!settings_.outputFileName.isEmpty() || pages_ == 0)
            return;
        JobOptions options;
        options.add("copies", QByteArray::number(std::max(1, settings_.copies)));
        if (settings_.copies > 1)
            options.add("collate", settings_.collate ? "true" : "false");
        static const char* const sides[] = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};
        options.add("sides", sides[std::clamp(settings_.duplex - 1, 0, 2)]);
        if (!paperSource_.isEmpty())
            options.add("media-source", paperSource_.toUtf8());
        const QByteArray title =
            settings_.documentName.isEmpty() ? QByteArrayLiteral("Report") : settings_.documentName.toUtf8();
        const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue_.toUtf8().constData(),
                                      QFile::encodeName(spool_.fileName()).constData(), title.constData(),
                                      options.count(), options.options());
        if (id == 0)
            throw EPrintError(QStringLiteral("The printer %1 did not take the job: %2")
                                  .arg(queue_, QString::fromUtf8(cupsLastErrorString())));
    }

    void abort() override {
        if (painter_.isActive())
            painter_.end();
        writer_.reset();
        if (!settings_.outputFileName.isEmpty())
            QFile::remove(settings_.outputFileName);
    }

    int resolution() const override { return CupsPrinterCatalog::kResolution; }
    QMargins unprintableMargins() const override { return {}; }

private:
    QString queue_;
    PrinterJobSettings settings_;
    QString paperSource_;
    QTemporaryFile spool_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pages_ = 0;
};

} // namespace

QList<InstalledPrinter> CupsPrinterCatalog::printers() const {
    QList<InstalledPrinter> result;
    const Destinations dests;
    for (int i = 0; i < dests.count(); ++i) {
        const cups_dest_t& dest = dests.at(i);
        if (dest.instance)
            continue;
        const QString name = QString::fromUtf8(dest.name);
        result.append({name, option(dest, "printer-make-and-model"), name, option(dest, "device-uri")});
    }
    return result;
}

QString CupsPrinterCatalog::defaultPrinterName() const {
    const Destinations dests;
    for (int i = 0; i < dests.count(); ++i)
        if (dests.at(i).is_default && !dests.at(i).instance)
            return QString::fromUtf8(dests.at(i).name);
    return QString();
}

PrinterCapabilities CupsPrinterCatalog::capabilities(const QString& printerName) const {
    PrinterCapabilities result;
    const Destinations dests;
    const DestinationInfo info(dests.find(printerName));
    if (!info)
        return result;
    for (int i = 0; i < info.mediaCount(); ++i) {
        cups_size_t size{};
        if (!info.media(i, size))
            continue;
        // CUPS sizes are in hundredths of a millimetre.
        const QSizeF mm(size.width / 100.0, size.length / 100.0);
        const QPageSize known(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
        const int code = known.windowsId();
        result.paperNames << info.mediaName(size);
        // Sizes with no printer code are the driver's own, kept apart from
        // the user-defined size.
        result.paperCodes << (code > 0 && code != 256 ? code : 1000 + int(result.paperCodes.size()));
        result.paperWidths << int(std::lround(std::min(mm.width(), mm.height()) * 10));
        result.paperHeights << int(std::lround(std::max(mm.width(), mm.height()) * 10));
    }
    // Paper sources by their keywords; the codes are only told apart.
    const QStringList sources = info.supported("media-source");
    for (qsizetype i = 0; i < sources.size(); ++i) {
        if (sources[i] == u"auto")
            continue;
        result.binNames << sources[i];
        result.binCodes << int(1000 + i);
    }
    result.canCopy = true;
    return result;
}

bool CupsPrinterCatalog::printsInColour(const QString& printerName) const {
    const Destinations dests;
    const cups_dest_t* dest = dests.find(printerName);
    if (!dest)
        return true;
    const int type = option(*dest, "printer-type").toInt();
    return (type & CUPS_PRINTER_COLOR) != 0;
}

int CupsPrinterCatalog::resolution(const QString&) const {
    return kResolution;
}

std::unique_ptr<PrintJob> CupsPrinterCatalog::startJob(const QString& printerName,
                                                       const PrintJobRequest& request) const {
    QString source;
    if (request.settings.paperSource) {
        const PrinterCapabilities caps = capabilities(printerName);
        const qsizetype at = caps.binCodes.indexOf(*request.settings.paperSource);
        if (at >= 0)
            source = caps.binNames[at];
    }
    auto job = std::make_unique<CupsPdfJob>(printerName, request.settings, source);
    if (!job->open())
        return nullptr;
    return job;
}
