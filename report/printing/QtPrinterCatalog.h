#pragma once

#include "PrinterCatalog.h"

// The printers Qt's print support finds (CUPS on Linux), and jobs on them
// through QPrinter.
class QtPrinterCatalog final : public PrinterCatalog {
public:
    QList<InstalledPrinter> printers() const override;
    QString defaultPrinterName() const override;
    PrinterCapabilities capabilities(const QString& printerName) const override;
    bool printsInColour(const QString& printerName) const override;
    int resolution(const QString& printerName) const override;
    std::unique_ptr<PrintJob> startJob(const QString& printerName,
                                       const PrintJobRequest& request) const override;
};
