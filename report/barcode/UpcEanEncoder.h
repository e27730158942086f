#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

// UPC-A, UPC-E, EAN-13 and EAN-8 main symbols (the add-on is AddOnEncoder's).
BarCodeEncoding encodeUpcEan(const BarCodeSettings& settings);

// The UPC-A number (number system 0, eleven digits without the check digit)
// that a six-digit UPC-E number stands for; its check digit is UPC-E's.
QString expandUpcE(QStringView sixDigits);
