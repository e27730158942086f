#pragma once

#include "TppFont.h"

#include <QString>

// Text measurement at a device resolution, injected so that layouts can be
// tested with round numbers and measured off the GUI thread.
class TextMeasurer {
public:
    struct Metrics {
        int height = 0; // ascent + descent, in device pixels
        int ascent = 0;
        int externalLeading = 0; // the font's recommended gap between lines
    };
    virtual ~TextMeasurer() = default;
    virtual Metrics metrics(const TppFont& font, int verticalPixelsPerInch) const = 0;
    // The width of text without tabs, in device pixels.
    virtual int width(const TppFont& font, int verticalPixelsPerInch, const QString& text) const = 0;
};

// Measures with Qt's font metrics at an explicit pixel size; font metrics
// need no paint device, so this is safe on any thread.
class FontMetricsMeasurer final : public TextMeasurer {
public:
    Metrics metrics(const TppFont& font, int verticalPixelsPerInch) const override;
    int width(const TppFont& font, int verticalPixelsPerInch, const QString& text) const override;
};
