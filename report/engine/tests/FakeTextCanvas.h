#pragma once

#include "FakeTextMeasurer.h"
#include "TextCanvas.h"

// Round numbers for layout tests: every character is 10 pixels wide and a
// line 20 high (the fake measurer's cells), on a printer of 254 pixels per
// inch, where one pixel is 100 thousandths of a millimetre. So a character is
// 1000 units wide and a line 2000 units high; a tab without stops goes to the
// next 80 pixels.

class FakePrinterResolution final : public DeviceResolution {
public:
    int pixelsPerInch(Axis) const override { return 254; }
};

struct FakeTextCanvas {
    static constexpr int kCharWidth = 1000;
    static constexpr int kLineHeight = 2000;

    FakeTextMeasurer measurer;
    FakePrinterResolution printer;
    TextCanvas canvas{measurer, &printer};
};
