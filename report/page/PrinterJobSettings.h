#pragma once

#include <QString>
#include <optional>

// What the printing system is told for a job on one printer, in its own
// terms: orientation 1 portrait / 2 landscape, duplex 1 none / 2 horizontal /
// 3 vertical, a paper code, and for paper code 256 the size in tenths of a
// millimetre as fed (swapped for landscape).
struct PrinterJobSettings {
    QString printerName;
    QString documentName;
    QString outputFileName;
    int orientation = 1;
    int paperCode = 0;
    int paperWidth = 0;
    int paperLength = 0;
    int copies = 1;
    bool collate = true;
    int duplex = 1;
    // The paper source's code; none leaves the printer's default source.
    std::optional<int> paperSource;

    friend bool operator==(const PrinterJobSettings&, const PrinterJobSettings&) = default;
};
