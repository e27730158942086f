#pragma once

#include "Persistent.h"
#include "PrinterCatalog.h"
#include "PrinterJobSettings.h"
#include "TppPrinterSetup.h"
#include "Units.h"

#include <QPainter>
#include <memory>

// The printer object: turns a printer setup into job settings for one
// printer and drives print jobs on it through the printer catalogue's jobs,
// so that it never needs a printing library itself. It mirrors the
// setup it was given; CurrentSetup() reads the settings back, so that what a
// properties dialog changed flows into the report.
//
// The "Screen" pseudo-printer has the screen's resolution and cannot print.
class TppPrinter : public Persistent, public DeviceResolution {
public:
    PW_CLASS_INFO

    TppPrinter();
    ~TppPrinter() override;
    TppPrinter(const TppPrinter&) = delete;
    TppPrinter& operator=(const TppPrinter&) = delete;

    const QString& PrinterName() const { return printerName_; }
    // Not while in a job. A printer that is missing or invalid becomes "Screen".
    void SetPrinterName(const QString& name);
    const TppPrinterInfo& PrinterInfo() const { return *info_; }
    bool IsScreen() const { return info_->isScreen(); }

    void ApplySetup(const TppPrinterSetup& setup);
    TppPrinterSetup CurrentSetup() const;
    const TppPrinterSetup& PrinterSetup() const { return setup_; }
    const PrinterJobSettings& JobSettings() const { return settings_; }
    // As a properties dialog leaves them; CurrentSetup() then reflects them.
    void SetJobSettings(const PrinterJobSettings& settings) { settings_ = settings; }

    // Whether a device context can be had: false for the screen pseudo-printer.
    bool HasUsableContext() const;
    int pixelsPerInch(Axis axis) const override;
    bool PrintsInColour() const;
    // The printer's unprintable borders in its pixels (left, top, right, bottom).
    QMargins UnprintableMargins() const;

    void BeginDoc();
    void NewPage();
    void EndPage();
    void EndDoc();
    void Abort();
    bool InJob() const { return inJob_; }
    bool InPage() const { return inPage_; }
    bool Aborted() const { return aborted_; }
    int PagesStarted() const { return pagesStarted_; }
    // The canvas of the current page; none outside a page.
    QPainter* Canvas() { return inPage_ ? canvas_ : nullptr; }

private:
    void rebuildSettings();
    PrintJobRequest jobRequest() const;

    QString printerName_ = QStringLiteral("Default");
    std::shared_ptr<const TppPrinterInfo> info_;
    TppPrinterSetup setup_;
    PrinterJobSettings settings_;
    std::unique_ptr<PrintJob> job_;
    QPainter* canvas_ = nullptr;
    bool inJob_ = false;
    bool inPage_ = false;
    bool aborted_ = false;
    int pagesStarted_ = 0;
};
