#pragma once

#include "BarCodeLayout.h"
#include "TppFont.h"
#include "Units.h"

class TextMeasurer;
class TppDrawBarCode;

// A barcode draw command at one device resolution: what it encodes, where
// its bars and texts go, and the font its texts are written in.
struct BarCodeSymbol {
    BarCodeEncoding encoding;
    BarCodeLayout layout;
    TppFont font;
};

// `pixelsPerInch` is the device's resolution along the symbol (see
// barCodeAxis); `height` the pixels across the bars that a command without
// AutoSize has. With AutoSizeFont the font starts from a share of the bar
// height and shrinks until the text fits.
BarCodeSymbol layOutBarCodeCommand(const TppDrawBarCode& command, int pixelsPerInch, int height,
                                   const TextMeasurer& measurer);

// The device axis the bars follow one another along: the vertical
// orientations run down the page.
Axis barCodeAxis(TppBarCodeOrientation orientation);

// A stored module width (thousandths of a millimetre) in inches, unrounded:
// the limits and the pixel widths are inches.
double barWidthInches(int mmBarWidth);
