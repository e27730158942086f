#include "Units.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace {

// The stored factor is a single-precision number; widening it keeps its exact
// binary value (0.039370000362...), which is what makes 11 inches 279401.
constexpr float kInchesPerMM = 0.03937f;
constexpr long double kFactor = kInchesPerMM;

const FixedResolution& screen() {
    static const FixedResolution resolution(96);
    return resolution;
}

long double pixelsPerInch(TppUnitType unit, Axis axis, const DeviceResolution* printer) {
    const DeviceResolution& device = unit == utPrinterPixels && printer ? *printer : screen();
    return device.pixelsPerInch(axis);
}

int toInt(long double value) {
    return int(
        std::clamp<long double>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

const DeviceResolution& screenResolution() {
    return screen();
}

long double roundHalfEven(long double value) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyintl(value);
    std::fesetround(previous);
    return rounded;
}

float UnitsFromMM(int value, TppUnitType unit, Axis axis, const DeviceResolution* printer) {
    const long double mm = value / 1000.0L;
    switch (unit) {
    case utScreenPixels:
    case utPrinterPixels:
        return float(roundHalfEven(mm * kFactor * pixelsPerInch(unit, axis, printer)));
    case utInches:
        return float(roundHalfEven(mm * kFactor * 10000) / 10000);
    case utMillimeters:
        return float(mm);
    case utMMThousandths:
        return float(value);
    }
    return 0;
}

int UnitsToMM(float value, TppUnitType unit, Axis axis, const DeviceResolution* printer) {
    const long double x = value;
    switch (unit) {
    case utScreenPixels:
    case utPrinterPixels:
        return toInt(roundHalfEven(x / pixelsPerInch(unit, axis, printer) / kFactor * 1000));
    case utInches:
        return toInt(roundHalfEven(x / kFactor * 1000));
    case utMillimeters:
        return toInt(roundHalfEven(x * 1000));
    case utMMThousandths:
        return toInt(std::trunc(x));
    }
    return 0;
}

float TenthsMMToUnits(int value, TppUnitType unit, Axis axis, const DeviceResolution* printer) {
    switch (unit) {
    case utMillimeters:
        return float(roundHalfEven(value / 10.0L));
    case utMMThousandths:
        return float(value * 100.0L);
    case utInches: {
        // Paper sizes pass through screen pixels first, so that the inches
        // shown for a paper match what the page looks like on screen.
        const float pixels = UnitsFromMM(toInt(value * 100.0L), utScreenPixels, axis);
        return UnitsFromMM(UnitsToMM(pixels, utScreenPixels, axis), utInches, axis);
    }
    case utScreenPixels:
    case utPrinterPixels:
        return UnitsFromMM(toInt(value * 100.0L), unit, axis, printer);
    }
    return 0;
}

int UnitsToTenthsMM(float value, TppUnitType unit, Axis axis, const DeviceResolution* printer) {
    switch (unit) {
    case utMillimeters:
        return toInt(roundHalfEven(value * 10.0L));
    case utMMThousandths:
        return toInt(roundHalfEven(value / 100.0L));
    case utInches: {
        const float pixels = UnitsFromMM(UnitsToMM(value, utInches, axis), utScreenPixels, axis);
        return toInt(roundHalfEven(UnitsToMM(pixels, utScreenPixels, axis) / 100.0L));
    }
    case utScreenPixels:
    case utPrinterPixels:
        return UnitsToMM(value, unit, axis, printer) / 100;
    }
    return 0;
}

float FitScale(float width, float height, float boxWidth, float boxHeight) {
    // An empty picture has no scale; dividing by its zero side would give infinity.
    if (boxWidth <= 0 || boxHeight <= 0 || width <= 0 || height <= 0)
        return 0;
    return std::min(boxHeight / height, boxWidth / width);
}
