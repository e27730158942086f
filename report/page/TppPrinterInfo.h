#pragma once

#include "PrinterCatalog.h"

#include <QMutex>
#include <functional>
#include <optional>

// One printer of the printer list: its identity and, read from the driver on
// first use and then kept, its normalised papers and bins. Infos are shared
// between threads; the capabilities are read under the info's own lock.
class TppPrinterInfo {
public:
    using CapabilityReader = std::function<PrinterCapabilities()>;

    TppPrinterInfo(InstalledPrinter printer, CapabilityReader readCapabilities);

    // The pseudo-printer that stands in when layouts need a paper but no
    // printer is installed; it cannot print.
    static const TppPrinterInfo& screen();
    // Where an info is needed on a system without printers.
    static const TppPrinterInfo& noPrinter();

    const QString& name() const { return printer_.name; }
    const QString& driver() const { return printer_.driver; }
    const QString& device() const { return printer_.device; }
    const QString& port() const { return printer_.port; }
    bool isValid() const { return valid_; }
    void markInvalid() { valid_ = false; }
    bool isScreen() const { return this == &screen(); }

    const PrinterCapabilities& capabilities() const;
    const QStringList& paperNames() const { return capabilities().paperNames; }
    const QStringList& binNames() const { return capabilities().binNames; }
    int paperIndex(const QString& name) const { return int(paperNames().indexOf(name)); }
    int paperIndexOfCode(int code) const { return int(capabilities().paperCodes.indexOf(code)); }
    // The first paper within 1 mm of the portrait size, else "Custom".
    QString paperNameForSize(int widthTenths, int heightTenths) const;
    // The code of a bin by name; none when the printer has no such bin.
    std::optional<int> binCode(const QString& name) const;
    QString binNameOfCode(int code) const;

private:
    InstalledPrinter printer_;
    CapabilityReader read_;
    mutable QMutex mutex_;
    mutable std::optional<PrinterCapabilities> capabilities_;
    bool valid_ = true;
};
