#pragma once

#include "BarCodeLayout.h"

#include <functional>
#include <optional>

// Measures `text` at `pointSize` in the pixels of the layout's resolution.
using TextWidthMeasure = std::function<int(int pointSize, const QString& text)>;

// The human-readable point size with AutoSizeFont: a share of the bar height
// in screen pixels to start with (UPC and EAN 20 %, Interleaved 2 of 5 15 %,
// PostNet 50 %, the others 25 %), shrunk a point at a time, not below 1,
// until the layout's text fits its width. Nothing for a layout with nothing
// to draw: the font then stays as it is.
std::optional<int> fitHumanReadablePointSize(TppBarCodeType type, const BarCodeLayout& layout,
                                             double pixelsPerInch, double screenPixelsPerInch,
                                             const TextWidthMeasure& textWidth);
