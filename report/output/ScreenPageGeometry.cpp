#include "ScreenPageGeometry.h"

#include "Units.h"

#include <algorithm>

namespace {

int roundToInt(long double value) {
    return int(roundHalfEven(value));
}

} // namespace

ScreenPageGeometry computeScreenPageGeometry(TppZoomSettingType setting, int percentage, QSize page,
                                             std::optional<QSize> visibleArea, int pixelsPerInch) {
    const long double p = pixelsPerInch;
    const int w = std::max(1, page.width());
    const int h = std::max(1, page.height());
    // A quarter inch of grey around the page at 100 % and in the percentages.
    const int margin = roundToInt(p * 0.25L);
    const QSize area = visibleArea.value_or(QSize()).expandedTo(QSize(0, 0));
    ScreenPageGeometry g;

    if (setting == zs100Percent || !visibleArea) {
        g.pageWidthPx = w;
        g.pageHeightPx = h;
        g.bitmap = QSize(w + 2 * margin, h + 2 * margin);
    } else if (setting == zsWholePage) {
        g.bitmap = area;
        g.pageHeightPx = std::max(1, area.height() - margin);
        g.pageWidthPx = std::max(1, roundToInt((long double)g.pageHeightPx * w / h));
        const int halfInch = roundToInt(p * 0.5L);
        if (g.bitmap.width() > halfInch && g.bitmap.height() > halfInch) {
            // A page wider than it is high must shrink until it fits across.
            while (g.pageWidthPx >= g.bitmap.width() && g.pageHeightPx > margin) {
                g.pageHeightPx -= margin;
                g.pageWidthPx = std::max(1, roundToInt((long double)g.pageHeightPx * w / h));
            }
        }
    } else if (setting == zsPageWidth) {
        const int edges = 2 * roundToInt(p * 0.125L);
        // Room for the vertical scroll bar, shown or not, so that the zoom
        // does not change when the bar comes and goes.
        const int scrollBar = roundToInt(p * 0.1458L);
        g.pageWidthPx = std::max(1, area.width() - edges - scrollBar);
        g.pageHeightPx = std::max(1, roundToInt(g.pageWidthPx / ((long double)w / h)));
        g.bitmap = QSize(edges + g.pageWidthPx, std::max(edges + g.pageHeightPx, area.height()));
    } else {
        const long double factor = percentage / 100.0L;
        g.pageHeightPx = std::max(1, roundToInt(h * factor));
        g.pageWidthPx = std::max(1, roundToInt(w * factor));
        g.bitmap = QSize(std::max(area.width(), 2 * margin + g.pageWidthPx),
                         std::max(area.height(), 2 * margin + g.pageHeightPx));
    }
    g.bitmap = g.bitmap.expandedTo(QSize(1, 1));
    g.zoomPercent = roundToInt((long double)g.pageHeightPx / h * 100);
    return g;
}
