#pragma once

#include "TextMeasurer.h"
#include "Units.h"

// Where text is measured for layout: the measurer, and the printer whose
// pixels it counts in, or none for the screen. Lengths convert between
// those pixels and thousandths of a millimetre.
struct TextCanvas {
    const TextMeasurer& measurer;
    const DeviceResolution* printer = nullptr;

    const DeviceResolution& resolution() const { return printer ? *printer : screenResolution(); }
    int verticalPixelsPerInch() const { return resolution().pixelsPerInch(Axis::Vertical); }
    int toMM(int pixels, Axis axis) const { return UnitsToMM(float(pixels), utPrinterPixels, axis, printer); }
    int toPixels(int mm, Axis axis) const { return int(UnitsFromMM(mm, utPrinterPixels, axis, printer)); }
};
