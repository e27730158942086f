#pragma once

#include "BarElement.h"

// The pixel width of each element kind at one output resolution. Every kind
// is rounded on its own, so a printed symbol has exact whole-pixel bars.
struct BarPixelWidths {
    int narrow = 1;
    int wide = 3;
    int characterGap = 2;
    int postNetGap = 1;

    // Halves round to the even neighbour, as every length turned into pixels.
    static BarPixelWidths at(double barWidthInches, double pixelsPerInch, double wideBarRatio);
    int of(BarWidthKind kind) const;
};

int roundToPixels(double pixels);
