#include "TextMeasurer.h"

#include <QFontMetricsF>
#include <cmath>

TextMeasurer::Metrics FontMetricsMeasurer::metrics(const TppFont& font, int verticalPixelsPerInch) const {
    const QFontMetricsF m(font.toQFont(verticalPixelsPerInch));
    return {int(std::lround(m.ascent()) + std::lround(m.descent())), int(std::lround(m.ascent())),
            int(std::lround(m.leading()))};
}

int FontMetricsMeasurer::width(const TppFont& font, int verticalPixelsPerInch, const QString& text) const {
    return int(std::lround(QFontMetricsF(font.toQFont(verticalPixelsPerInch)).horizontalAdvance(text)));
}
