#pragma once

#include "PrinterCatalog.h"

#include <QHash>

// Printers the test installs, with the capabilities their drivers report.
class FakePrinterCatalog final : public PrinterCatalog {
public:
    QList<InstalledPrinter> printers() const override { return installed; }
    QString defaultPrinterName() const override { return defaultName; }
    PrinterCapabilities capabilities(const QString& printerName) const override {
        return drivers.value(printerName);
    }

    void install(const QString& name, PrinterCapabilities capabilities, const QString& port = QString()) {
        installed.append({name, QStringLiteral("Fake Driver"), name, port});
        drivers.insert(name, std::move(capabilities));
    }

    QList<InstalledPrinter> installed;
    QString defaultName;
    QHash<QString, PrinterCapabilities> drivers;
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
