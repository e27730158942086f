#pragma once

#include "TextMeasurer.h"
#include "Units.h"

#include <QPainter>
#include <optional>

// Where a raster device draws a page: a painter, the device's resolution
// and a text measurer. Lengths in thousandths of a millimetre become device
// pixels rounded half to even.
class DrawSurface final : public DeviceResolution {
public:
    DrawSurface(QPainter& painter, int horizontalPpi, int verticalPpi, const TextMeasurer& measurer,
                bool isPrinter)
        : painter(painter), measurer(measurer), isPrinter(isPrinter), horizontal_(horizontalPpi),
          vertical_(verticalPpi) {}

    int pixelsPerInch(Axis axis) const override { return axis == Axis::Horizontal ? horizontal_ : vertical_; }
    int toPixels(int mm, Axis axis) const { return int(UnitsFromMM(mm, utPrinterPixels, axis, this)); }
    // Screen pixels (pen widths, image sizes) in device pixels.
    int fromScreenPixels(int pixels, Axis axis) const;

    // The screen shows pages zoomed. Its surface keeps the screen's
    // resolution at 100 % for lengths it converts itself (leading), while
    // the device boxes already carry the zoom; what renderers size in
    // pixels (fonts, line weights, pens, tab stops) is scaled by these.
    struct Zoom {
        long double x = 1;
        long double y = 1;
    };
    std::optional<Zoom> screenZoom;
    bool isScreen() const { return screenZoom.has_value(); }
    // Pixels at 100 % at the screen's zoom; unchanged on other devices.
    int zoomed(int pixels, Axis axis) const;

    QPainter& painter;
    const TextMeasurer& measurer;
    // A printer without colour prints every text that is not white in black.
    bool blackText = false;
    const bool isPrinter;

private:
    int horizontal_;
    int vertical_;
};
