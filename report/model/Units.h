#pragma once

#include "TppTypes.h"

// Report lengths are 32-bit integers in thousandths of a millimetre. These
// conversions use the single-precision factor 0.03937 inches per millimetre,
// not 1/25.4: stored templates were written with it, so 11 inches are 279401
// and a Letter page is 215900 x 279401.
//
// Pixel conversions take an axis because a printer may resolve differently
// across and down the page.

enum class Axis { Horizontal, Vertical };

// The resolution of a device that lengths are converted to (a printer).
class DeviceResolution {
public:
    virtual ~DeviceResolution() = default;
    virtual int pixelsPerInch(Axis axis) const = 0;
};

// The screen's resolution, used for utScreenPixels and when no printer is
// given for utPrinterPixels. 96 x 96 until the window layer sets the real one.
const DeviceResolution& screenResolution();
void setScreenPixelsPerInch(int horizontal, int vertical);

// A length in thousandths of a millimetre expressed in `unit`.
float UnitsFromMM(int value, TppUnitType unit, Axis axis = Axis::Horizontal,
                  const DeviceResolution* printer = nullptr);
// A length in `unit` expressed in thousandths of a millimetre.
int UnitsToMM(float value, TppUnitType unit, Axis axis = Axis::Horizontal,
              const DeviceResolution* printer = nullptr);

// The same for tenths of a millimetre, the unit in which printers report paper.
float TenthsMMToUnits(int value, TppUnitType unit, Axis axis = Axis::Horizontal,
                      const DeviceResolution* printer = nullptr);
int UnitsToTenthsMM(float value, TppUnitType unit, Axis axis = Axis::Horizontal,
                    const DeviceResolution* printer = nullptr);

// Rounds to the nearest integer, halves to the even neighbour.
long double roundHalfEven(long double value);

// The scale that fits width x height into the box, 0 unless both box sides are positive.
float FitScale(float width, float height, float boxWidth, float boxHeight);
