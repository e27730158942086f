#include "PrinterCapabilities.h"

#include "PaperTable.h"

namespace {

QString nameForCode(int code, int width, int height) {
    const StandardPaper paper = standardPaper(code);
    if (paper.name != QLatin1String("Unknown"))
        return paper.name;
    if (width > 0 && height > 0)
        return QStringLiteral("%1 x %2 mm").arg(width / 10).arg(height / 10);
    return QStringLiteral("Unknown: %1").arg(code);
}

void normalisePapers(PrinterCapabilities& c) {
    const qsizetype count = c.paperCodes.size();
    c.paperWidths.resize(count);
    c.paperHeights.resize(count);
    if (c.paperNames.size() > count) {
        c.paperNames.resize(count);
    } else if (c.paperNames.size() < count) {
        c.paperNames.clear();
        for (qsizetype i = 0; i < count; ++i)
            c.paperNames << nameForCode(c.paperCodes[i], c.paperWidths[i], c.paperHeights[i]);
    }

    qsizetype custom = c.paperCodes.indexOf(kCustomPaperCode);
    for (qsizetype i = 0; custom < 0 && i < count; ++i)
        if (c.paperNames[i].contains(QLatin1String("CUSTOM"), Qt::CaseInsensitive) ||
            c.paperNames[i].contains(QLatin1String("USER"), Qt::CaseInsensitive))
            custom = i;
    if (custom >= 0) {
        c.paperNames[custom] = QStringLiteral("Custom");
        c.paperCodes[custom] = kCustomPaperCode;
    } else {
        c.paperNames << QStringLiteral("Custom");
        c.paperCodes << kCustomPaperCode;
        c.paperWidths << 0;
        c.paperHeights << 0;
        custom = c.paperCodes.size() - 1;
    }

    for (qsizetype i = 0; i < c.paperCodes.size(); ++i)
        if (c.paperWidths[i] <= 0 || c.paperHeights[i] <= 0) {
            const StandardPaper paper = standardPaper(c.paperCodes[i]);
            c.paperWidths[i] = paper.width;
            c.paperHeights[i] = paper.height;
        }

    PrinterCapabilities kept;
    int customWidth = 0, customHeight = 0;
    for (qsizetype i = 0; i < c.paperCodes.size(); ++i) {
        if (i == custom) {
            customWidth = c.paperWidths[i];
            customHeight = c.paperHeights[i];
            continue;
        }
        if (c.paperWidths[i] <= 0 || c.paperHeights[i] <= 0)
            continue;
        kept.paperNames << c.paperNames[i];
        kept.paperCodes << c.paperCodes[i];
        kept.paperWidths << c.paperWidths[i];
        kept.paperHeights << c.paperHeights[i];
    }
    kept.paperNames << QStringLiteral("Custom");
    kept.paperCodes << kCustomPaperCode;
    kept.paperWidths << customWidth;
    kept.paperHeights << customHeight;
    c.paperNames = kept.paperNames;
    c.paperCodes = kept.paperCodes;
    c.paperWidths = kept.paperWidths;
    c.paperHeights = kept.paperHeights;
}

void normaliseBins(PrinterCapabilities& c) {
    const qsizetype count = std::min(c.binNames.size(), c.binCodes.size());
    c.binNames.resize(count);
    c.binCodes.resize(count);
    if (!c.binNames.contains(QLatin1String("Default"))) {
        c.binNames.prepend(QStringLiteral("Default"));
        c.binCodes.prepend(kDefaultBinCode);
    }
}

} // namespace

PrinterCapabilities normalisedCapabilities(PrinterCapabilities raw) {
    normalisePapers(raw);
    normaliseBins(raw);
    return raw;
}
