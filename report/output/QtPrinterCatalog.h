#pragma once

#include "PrinterCatalog.h"

// The printers Qt's print support finds (CUPS on Linux).
class QtPrinterCatalog final : public PrinterCatalog {
public:
    QList<InstalledPrinter> printers() const override;
    QString defaultPrinterName() const override;
    PrinterCapabilities capabilities(const QString& printerName) const override;
};
