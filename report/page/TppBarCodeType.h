#pragma once

#include <QStringList>
#include <optional>

// The symbologies, in their stored order: templates keep the ordinal.
enum TppBarCodeType : int {
    bcUPC_A,
    bcUPC_E,
    bcEAN_13,
    bcEAN_8,
    bcInt2of5,
    bcCode128,
    bcCode39,
    bcPostnet,
    bcFIM,
    bcCodabar,
    bcMSI
};

constexpr int kBarCodeTypeCount = bcMSI + 1;

// Stored ordinals outside the list (a damaged template) name no symbology.
constexpr bool isBarCodeType(int value) {
    return value >= 0 && value < kBarCodeTypeCount;
}

// "bcEAN_13" for bcEAN_13.
QString barCodeTypeName(TppBarCodeType type);
// The type of a name, compared without regard to case.
std::optional<TppBarCodeType> barCodeTypeFromName(const QString& name);

// UPC-A, UPC-E, EAN-13 and EAN-8: the symbologies built from the UPC/EAN digit
// sets, the only ones with quiet zones of 9 modules, digit boxes and add-ons.
bool isUpcOrEan(TppBarCodeType type);
