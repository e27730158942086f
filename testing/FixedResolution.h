#pragma once

#include "Units.h"

// A device of a set resolution, the same down the page as across unless
// told otherwise, for conversions and drawing at a known pixel size.
class FixedResolution final : public DeviceResolution {
public:
    explicit FixedResolution(int pixelsPerInch) : FixedResolution(pixelsPerInch, pixelsPerInch) {}
    FixedResolution(int horizontal, int vertical) : horizontal_(horizontal), vertical_(vertical) {}
    int pixelsPerInch(Axis axis) const override { return axis == Axis::Horizontal ? horizontal_ : vertical_; }

private:
    int horizontal_;
    int vertical_;
};
