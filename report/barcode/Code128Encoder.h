#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

#include <vector>

// Code 128 data with its code sets written out: a start character first, then
// characters, switches (CODE A/B/C), SHIFTs and FNCs as the symbols go.
struct Code128Symbols {
    std::vector<int> values; // the start value first; no check symbol, no stop
    QString error;           // empty when the whole data encodes
};
Code128Symbols code128Symbols(QStringView data);

// Start value + the sum of value x position, mod 103.
int code128CheckValue(const std::vector<int>& values);

// The data as typed, or sets chosen by `autoEncodeCode128` with AutoEncode.
BarCodeEncoding encodeCode128(const BarCodeSettings& settings);
