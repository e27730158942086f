#pragma once

#include "BarElement.h"
#include "TppBarCodeType.h"

#include <QString>
#include <vector>

// The outcome of encoding a barcode's data: everything a draw command needs
// besides the geometry, which BarCodeLayout adds for one resolution.
struct BarCodeEncoding {
    TppBarCodeType type = bcCode39;
    // False when the data or the add-on was refused; `message` then says why
    // and the symbol is not drawn.
    bool ok = false;
    QString message;

    // The check digit the symbol carries, empty when it has none.
    QString checkDigit;
    // The text printed under the bars. UPC and EAN give every digit of the
    // symbol (UPC-E with its number system "0" first and its check digit
    // last); the others give the data as typed (Code 128 only its printable
    // characters).
    QString humanReadable;
    // The main symbol without quiet zones, bar first.
    std::vector<BarElement> bars;

    // The 2- or 5-digit supplement of UPC and EAN symbols; empty without one.
    QString addOnText;
    std::vector<BarElement> addOnBars;

    static BarCodeEncoding refused(TppBarCodeType type, const QString& message) {
        BarCodeEncoding encoding;
        encoding.type = type;
        encoding.message = message;
        return encoding;
    }
};
