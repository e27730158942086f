#include "TppPrinterInfo.h"

#include "PaperTable.h"

#include <cstdlib>

TppPrinterInfo::TppPrinterInfo(InstalledPrinter printer, CapabilityReader readCapabilities)
    : printer_(std::move(printer)), read_(std::move(readCapabilities)) {}

const TppPrinterInfo& TppPrinterInfo::screen() {
    static const TppPrinterInfo info({QStringLiteral("Screen"), QString(), QString(), QString()}, [] {
        PrinterCapabilities c;
        // A3 (8) twice: layouts saved against this list expect it so.
        for (int code : {256, 1, 5, 8, 8, 9, 17, 39, 40, 19, 20, 21, 22, 23}) {
            const StandardPaper paper = standardPaper(code);
            c.paperNames << paper.name;
            c.paperCodes << code;
            c.paperWidths << paper.width;
            c.paperHeights << paper.height;
        }
        c.binNames << QStringLiteral("Default");
        c.binCodes << kDefaultBinCode;
        return c;
    });
    return info;
}

const TppPrinterInfo& TppPrinterInfo::noPrinter() {
    static const TppPrinterInfo info({QStringLiteral("No Printer Installed"), QStringLiteral("None"),
                                      QStringLiteral("None"), QStringLiteral("None")},
                                     [] { return normalisedCapabilities({}); });
    return info;
}

const PrinterCapabilities& TppPrinterInfo::capabilities() const {
    QMutexLocker lock(&mutex_);
    if (!capabilities_)
        capabilities_ = read_ ? read_() : normalisedCapabilities({});
    return *capabilities_;
}

QString TppPrinterInfo::paperNameForSize(int widthTenths, int heightTenths) const {
    const PrinterCapabilities& c = capabilities();
    for (qsizetype i = 0; i < c.paperNames.size(); ++i)
        if (std::abs(c.paperWidths[i] - widthTenths) <= 10 &&
            std::abs(c.paperHeights[i] - heightTenths) <= 10)
            return c.paperNames[i];
    return QStringLiteral("Custom");
}

std::optional<int> TppPrinterInfo::binCode(const QString& name) const {
    const PrinterCapabilities& c = capabilities();
    const qsizetype index = c.binNames.indexOf(name);
    if (index < 0)
        return std::nullopt;
    return c.binCodes[index];
}

QString TppPrinterInfo::binNameOfCode(int code) const {
    const PrinterCapabilities& c = capabilities();
    const qsizetype index = c.binCodes.indexOf(code);
    return index < 0 ? QString() : c.binNames[index];
}
