#pragma once

#include "BarCodeEncoding.h"
#include "BarPixelWidths.h"

// A symbol written one character per pixel: '1' bar and '0' space, or for
// PostNet 'F' full bar, 'H' half bar and '0' space. The add-on follows after
// its gap of nine modules; quiet zones are left out. With the default widths
// (narrow 1, wide 3) that is one character per narrow module.
QString barPatternText(const BarCodeEncoding& encoding, const BarPixelWidths& widths = {});
