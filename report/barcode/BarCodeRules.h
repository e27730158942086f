#pragma once

#include "TppBarCodeType.h"

#include <QString>
#include <functional>
#include <optional>

// The checks a barcode component makes before it takes a new setting. Each
// answers the message that refuses the value, or nothing when it is fine.

constexpr double kMinBarWidthInches = 0.004;
constexpr double kMaxBarWidthInches = 0.1;

// Also refuses add-ons that are not all digits: their bars come from the
// digit tables.
std::optional<QString> addOnCodeError(TppBarCodeType type, const QString& addOnCode);
std::optional<QString> bearerBarsError(TppBarCodeType type, bool bearerBars);
// PostNet and FIM have fixed heights, so they always size themselves.
std::optional<QString> autoSizeError(TppBarCodeType type, bool autoSize);
// UPC and EAN digits must fit their boxes under the bars.
std::optional<QString> autoSizeFontError(TppBarCodeType type, bool autoSizeFont);
// `inUnits` writes a width given in inches in the component's units.
std::optional<QString> barWidthError(double barWidthInches, const std::function<QString(double)>& inUnits);
// Only Code 128 has code sets to choose.
inline bool autoEncodeAllowed(TppBarCodeType type) {
    return type == bcCode128;
}
