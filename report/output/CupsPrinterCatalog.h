#pragma once

#include "PrinterCatalog.h"

// The queues of the local CUPS server, reached through libcups alone, so
// that command-line tools print without Qt's print support (and the widgets
// it brings). A job draws its pages into a temporary PDF file and sends it
// to the queue when it finishes; with an output file name set it writes
// that file instead and sends nothing.
class CupsPrinterCatalog final : public PrinterCatalog {
public:
    QList<InstalledPrinter> printers() const override;
    QString defaultPrinterName() const override;
    PrinterCapabilities capabilities(const QString& printerName) const override;
    bool printsInColour(const QString& printerName) const override;
    int resolution(const QString& printerName) const override;
    std::unique_ptr<PrintJob> startJob(const QString& printerName,
                                       const PrintJobRequest& request) const override;

    // The resolution pages are drawn at: the PDF holds vectors, so this only
    // sets how finely positions are rounded.
    static constexpr int kResolution = 600;
};
