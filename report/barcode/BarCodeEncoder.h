#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

// Checks and encodes a barcode's data and add-on. Never throws: refused data
// comes back not OK with the message that says why.
BarCodeEncoding encodeBarCode(const BarCodeSettings& settings);
