#pragma once

#include "PrinterCapabilities.h"

#include <QList>
#include <QString>

// A printer as the printing system lists it.
struct InstalledPrinter {
    QString name;
    QString driver;
    QString device;
    QString port;
};

// The printing system's list of printers, injected so that tests and build
// machines (which have no printer) see the printers they are given.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    // In the order the printing system reports them.
    virtual QList<InstalledPrinter> printers() const = 0;
    // Empty when there is no default printer.
    virtual QString defaultPrinterName() const = 0;
    // As the driver reports them, before normalising.
    virtual PrinterCapabilities capabilities(const QString& printerName) const = 0;
};
