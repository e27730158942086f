#pragma once

#include "PrinterCatalog.h"

#include <QHash>
#include <QPainter>
#include <QPicture>
#include <memory>
#include <vector>

// What a fake printer printed: one picture per page, and how the job ended.
struct PrintedJob {
    QString printerName;
    PrintJobRequest request;
    std::vector<std::unique_ptr<QPicture>> pages;
    // The paper, orientation and settings each page was started with.
    std::vector<PrintJobRequest> pageRequests;
    bool finished = false;
    bool aborted = false;
};

// A job that records its pages as pictures instead of printing them.
class RecordingPrintJob final : public PrintJob {
public:
    RecordingPrintJob(std::shared_ptr<PrintedJob> job, int resolution)
        : job_(std::move(job)), resolution_(resolution) {}
    ~RecordingPrintJob() override { endPage(); }
    QPainter* newPage(const PrintJobRequest& page) override {
        endPage();
        job_->pageRequests.push_back(page);
        job_->pages.push_back(std::make_unique<QPicture>());
        painter_.begin(job_->pages.back().get());
        return &painter_;
    }
    void finish() override {
        endPage();
        job_->finished = true;
    }
    void abort() override {
        endPage();
        job_->aborted = true;
    }
    int resolution() const override { return resolution_; }
    QMargins unprintableMargins() const override { return {}; }

private:
    void endPage() {
        if (painter_.isActive())
            painter_.end();
    }
    std::shared_ptr<PrintedJob> job_;
    int resolution_;
    QPainter painter_;
};

// Printers the test installs, with the capabilities their drivers report;
// their jobs are recorded in `jobs`.
class FakePrinterCatalog final : public PrinterCatalog {
public:
    QList<InstalledPrinter> printers() const override { return installed; }
    QString defaultPrinterName() const override { return defaultName; }
    PrinterCapabilities capabilities(const QString& printerName) const override {
        return drivers.value(printerName);
    }
    bool printsInColour(const QString& printerName) const override {
        return !monochrome.contains(printerName);
    }
    int resolution(const QString&) const override { return printerResolution; }
    std::unique_ptr<PrintJob> startJob(const QString& printerName,
                                       const PrintJobRequest& request) const override {
        auto job = std::make_shared<PrintedJob>();
        job->printerName = printerName;
        job->request = request;
        jobs.push_back(job);
        return std::make_unique<RecordingPrintJob>(job, printerResolution);
    }

    void install(const QString& name, PrinterCapabilities capabilities, const QString& port = QString()) {
        installed.append({name, QStringLiteral("Fake Driver"), name, port});
        drivers.insert(name, std::move(capabilities));
    }

    QList<InstalledPrinter> installed;
    QString defaultName;
    QHash<QString, PrinterCapabilities> drivers;
    QStringList monochrome;
    int printerResolution = 1200;
    mutable std::vector<std::shared_ptr<PrintedJob>> jobs;
};

// An office laser printer: Letter, A4, A5, an envelope, two trays.
inline PrinterCapabilities officeLaser() {
    PrinterCapabilities c;
    c.paperNames = {"Letter", "A4", "A5", "Envelope DL", "User defined"};
    c.paperCodes = {1, 9, 11, 27, 256};
    c.paperWidths = {2159, 2100, 1480, 1100, 0};
    c.paperHeights = {2794, 2970, 2100, 2200, 0};
    c.binNames = {"Upper Tray", "Lower Tray"};
    c.binCodes = {1, 2};
    c.canCopy = true;
    return c;
}
