#pragma once

#include "PrinterCapabilities.h"
#include "PrinterJobSettings.h"

#include <QList>
#include <QMargins>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

// A printer as the printing system lists it.
struct InstalledPrinter {
    QString name;
    QString driver;
    QString device;
    QString port;
};

// A job as the printing system is asked for it: the settings, and the paper
// of the first page in millimetres in portrait, with the orientation that
// turns it.
struct PrintJobRequest {
    PrinterJobSettings settings;
    QSizeF paperMillimetres;
    bool landscape = false;
};

// One print job on one printer. Pages are drawn on the painter each page
// hands out, edge to edge: report pages carry their own margins.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The painter of the next page, on the paper and orientation `page`
    // names (each page may have its own); none when the printer cannot start it.
    virtual QPainter* newPage(const PrintJobRequest& page) = 0;
    // Sends what was drawn.
    virtual void finish() = 0;
    // Throws away what was drawn.
    virtual void abort() = 0;
    virtual int resolution() const = 0;
    // The unprintable borders in the job's pixels (left, top, right, bottom).
    virtual QMargins unprintableMargins() const = 0;
};

// The printing system's list of printers and the jobs it runs, injected so
// that the headless layers never reach a printing library, and tests and
// build machines (which have no printer) see the printers they are given.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    // In the order the printing system reports them.
    virtual QList<InstalledPrinter> printers() const = 0;
    // Empty when there is no default printer.
    virtual QString defaultPrinterName() const = 0;
    // As the driver reports them, before normalising.
    virtual PrinterCapabilities capabilities(const QString& printerName) const = 0;
    virtual bool printsInColour(const QString& printerName) const = 0;
    // Pixels per inch of a job on the printer.
    virtual int resolution(const QString& printerName) const = 0;
    // None when the printing system cannot start a job on the printer.
    virtual std::unique_ptr<PrintJob> startJob(const QString& printerName,
                                               const PrintJobRequest& request) const = 0;
};
