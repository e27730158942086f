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

// The resolution of a device that lengths are converted to (a printer, a screen).
class DeviceResolution {
public:
    virtual ~DeviceResolution() = default;
    virtual int pixelsPerInch(Axis axis) const = 0;
};

// A device of a set resolution, the same down the page as across unless
// told otherwise.
class FixedResolution final : public DeviceResolution {
public:
    explicit FixedResolution(int pixelsPerInch) : FixedResolution(pixelsPerInch, pixelsPerInch) {}
    FixedResolution(int horizontal, int vertical) : horizontal_(horizontal), vertical_(vertical) {}
    int pixelsPerInch(Axis axis) const override { return axis == Axis::Horizontal ? horizontal_ : vertical_; }

private:
    int horizontal_;
    int vertical_;
};

// The report's screen pixel, used for utScreenPixels, when no printer is given
// for utPrinterPixels, and where text is measured without a printer: 96 an
// inch on every machine, so that a template's lengths in screen pixels and the
// pages made from it do not depend on the monitor the report runs beside.
// What a real screen shows at 100 % is the viewer's business: its owner gives
// it the screen's resolution (TppViewer::SetScreenResolution).
const DeviceResolution& screenResolution();

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
