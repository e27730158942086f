#include "QtPrinterCatalog.h"

#include "QtPrintJob.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

QList<InstalledPrinter> QtPrinterCatalog::printers() const {
    QList<InstalledPrinter> result;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        result.append({info.printerName(), info.makeAndModel(), info.printerName(), info.location()});
    return result;
}

QString QtPrinterCatalog::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

PrinterCapabilities QtPrinterCatalog::capabilities(const QString& printerName) const {
    PrinterCapabilities result;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    for (const QPageSize& size : info.supportedPageSizes()) {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        result.paperNames << size.name();
        // Sizes Qt knows no printer code for are named by the driver and
        // kept apart from the user-defined size.
        const int code = size.windowsId();
        result.paperCodes << (code > 0 && code != 256 ? code : 1000 + int(result.paperCodes.size()));
        result.paperWidths << int(std::lround(std::min(mm.width(), mm.height()) * 10));
        result.paperHeights << int(std::lround(std::max(mm.width(), mm.height()) * 10));
    }
    if (info.supportsCustomPageSizes()) {
        result.paperNames << QStringLiteral("Custom");
        result.paperCodes << 256;
        result.paperWidths << 0;
        result.paperHeights << 0;
    }
    // Qt names no paper sources; the printer's default source stands for all.
    result.canCopy = true;
    return result;
}

bool QtPrinterCatalog::printsInColour(const QString& printerName) const {
    return QPrinterInfo::printerInfo(printerName).defaultColorMode() == QPrinter::Color;
}

int QtPrinterCatalog::resolution(const QString&) const {
    return QPrinter(QPrinter::HighResolution).resolution();
}

std::unique_ptr<PrintJob> QtPrinterCatalog::startJob(const QString& printerName,
                                                     const PrintJobRequest& request) const {
    return std::make_unique<QtPrintJob>(QPrinterInfo::printerInfo(printerName), request);
}
