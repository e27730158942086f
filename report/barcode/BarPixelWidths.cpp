#include "BarPixelWidths.h"

#include <cmath>

int roundToPixels(double pixels) {
    // nearbyint rounds to even in the default rounding mode, which nothing
    // here changes.
    return static_cast<int>(std::nearbyint(pixels));
}

BarPixelWidths BarPixelWidths::at(double barWidthInches, double pixelsPerInch, double wideBarRatio) {
    BarPixelWidths widths;
    widths.narrow = roundToPixels(barWidthInches * pixelsPerInch);
    widths.wide = roundToPixels(barWidthInches * pixelsPerInch * wideBarRatio);
    widths.characterGap = roundToPixels(barWidthInches * 2 * pixelsPerInch);
    widths.postNetGap = roundToPixels(widths.narrow * 1.375);
    return widths;
}

int BarPixelWidths::of(BarWidthKind kind) const {
    switch (kind) {
    case BarWidthKind::Narrow:
        return narrow;
    case BarWidthKind::Wide:
        return wide;
    case BarWidthKind::CharacterGap:
        return characterGap;
    case BarWidthKind::PostNetGap:
        return postNetGap;
    }
    return narrow;
}
