#pragma once

#include "TppTypes.h"

#include <QSize>
#include <optional>

// Where a page sits in the screen's page bitmap at a zoom: the bitmap's
// size, the page rectangle's size inside it, and the zoom that results.
struct ScreenPageGeometry {
    QSize bitmap;
    int pageWidthPx = 0;
    int pageHeightPx = 0;
    int zoomPercent = 0;
};

// `page` is the paper at 100 % in screen pixels, `visibleArea` the part of
// the viewer the page is shown in (none for a device without a viewer,
// which draws at 100 %), `pixelsPerInch` the screen's. The page keeps at
// least one pixel each way however small the area, so that scaling never
// divides by zero or draws a negative page.
ScreenPageGeometry computeScreenPageGeometry(TppZoomSettingType setting, int percentage, QSize page,
                                             std::optional<QSize> visibleArea, int pixelsPerInch);
