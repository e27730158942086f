#pragma once

#include "TppBarCodeType.h"

#include <QString>

// What choosing a symbology puts into a barcode component: data that shows
// the symbology at its best, and the module width it is usually printed at.

// `calcCheckDigit` decides whether the UPC and Interleaved 2 of 5 samples
// leave the check digit to be computed; a data-aware Code 39 shows its
// class instead of a word.
QString barCodeSample(TppBarCodeType type, bool calcCheckDigit, bool dataAware);

double defaultBarWidthInches(TppBarCodeType type);
