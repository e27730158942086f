#pragma once

#include <QList>
#include <QStringList>

// What a printer driver says it can do. Sizes are in tenths of a millimetre,
// in portrait; a driver may report fewer names, codes or sizes than papers,
// which normalisedCapabilities() repairs.
struct PrinterCapabilities {
    QStringList paperNames;
    QList<int> paperCodes;
    QList<int> paperWidths;
    QList<int> paperHeights;
    QStringList binNames;
    QList<int> binCodes;
    // More than two copies in one job.
    bool canCopy = false;
};

// The paper source that means "whatever the printer uses by default".
inline constexpr int kDefaultBinCode = 7;

// Papers and bins as the report uses them: every paper named, coded and
// sized, papers without a size dropped, exactly one "Custom" (code 256) and
// it last; bins with "Default" (code 7) among them.
PrinterCapabilities normalisedCapabilities(PrinterCapabilities raw);
