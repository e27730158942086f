#pragma once

#include "TppBarCodeType.h"

#include <QString>

// What the encoder needs of a barcode component's properties. The component
// owns these and hands a copy to `encodeBarCode` whenever one of them changes.
struct BarCodeSettings {
    TppBarCodeType type = bcCode39;
    // Code 128 carries its non-printing symbols as characters 201 and above
    // (see Code128Characters.h).
    QString data = QStringLiteral("Barcode");
    QString addOnCode;          // 2 or 5 digits after a UPC or EAN symbol
    bool autoEncode = false;    // choose the Code 128 sets from the data
    bool calcCheckDigit = true; // compute and append the check digit
};
