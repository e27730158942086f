#pragma once

#include "TppPrinterInfo.h"

#include <QMutex>
#include <memory>

// The process-wide list of printers, built from the printer catalogue on
// first use and guarded by one lock: "Default", "Screen", then every
// installed printer in the order the printing system reports them. Infos are
// handed out as shared pointers, so a setup keeps a valid info even when the
// list is rebuilt under it.
class TppPrinterList {
public:
    static TppPrinterList& instance();

    // Replaces the catalogue and rebuilds the list: the desktop installs the
    // printing system's, tests a fake; until then there are no printers.
    void setCatalog(std::shared_ptr<PrinterCatalog> catalog);
    // Re-enumerates the printers.
    void refresh();
    // The catalogue print jobs are started on.
    std::shared_ptr<const PrinterCatalog> catalog();

    QStringList PrinterNames();
    // "Default" gives the default printer; an exact name its entry; "device
    // on port" forms are tried too; anything else the default printer.
    std::shared_ptr<const TppPrinterInfo> FindPrinter(const QString& name);
    // Re-read from the printing system; "Screen" when there is none.
    QString DefaultPrinterName();

private:
    TppPrinterList();
    ~TppPrinterList();
    void buildLocked();
    std::shared_ptr<const TppPrinterInfo> findLocked(const QString& name) const;

    QRecursiveMutex mutex_;
    std::shared_ptr<PrinterCatalog> catalog_;
    bool built_ = false;
    QString defaultName_;
    QList<std::pair<QString, std::shared_ptr<const TppPrinterInfo>>> entries_;
};
