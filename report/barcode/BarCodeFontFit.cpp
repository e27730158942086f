#include "BarCodeFontFit.h"

#include "BarPixelWidths.h"

#include <algorithm>

namespace {

double shareOfBarHeight(TppBarCodeType type) {
    if (isUpcOrEan(type))
        return 0.20;
    if (type == bcInt2of5)
        return 0.15;
    if (type == bcPostnet)
        return 0.50;
    return 0.25;
}

} // namespace

std::optional<int> fitHumanReadablePointSize(TppBarCodeType type, const BarCodeLayout& layout,
                                             double pixelsPerInch, double screenPixelsPerInch,
                                             const TextWidthMeasure& textWidth) {
    if (layout.isEmpty() || pixelsPerInch <= 0)
        return std::nullopt;
    const double barHeightOnScreen = layout.barHeight * screenPixelsPerInch / pixelsPerInch;
    int pointSize = std::max(1, roundToPixels(shareOfBarHeight(type) * barHeightOnScreen));
    while (pointSize > 1 && textWidth(pointSize, layout.textToFit) > layout.textFitWidth)
        --pointSize;
    return pointSize;
}
