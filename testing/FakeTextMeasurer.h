#pragma once

#include "TextMeasurer.h"

#include <cmath>

// Text of made-up, round sizes, so that a layout test can work out every position by hand.
// Either the same cells in every font at every resolution, or sizes that follow the font's
// point size and the resolution as a real font's do.
class FakeTextMeasurer final : public TextMeasurer {
public:
    // Every character `charWidth` pixels wide, every line as `metrics` says, whatever the font
    // and the resolution. By default 10 pixels a character and lines 20 high.
    explicit FakeTextMeasurer(int charWidth = 10, Metrics metrics = {20, 16, 0})
        : charWidth_(charWidth), metrics_(metrics) {}

    // A character `charWidth` of the font's size in pixels wide and a line `lineHeight` of it
    // high (rounded to whole pixels), four fifths of the line above the base line.
    static FakeTextMeasurer scaled(double charWidth, double lineHeight, int leading = 0) {
        FakeTextMeasurer measurer;
        measurer.scale_ = Scale{charWidth, lineHeight, leading};
        return measurer;
    }

    Metrics metrics(const TppFont& font, int pixelsPerInch) const override {
        if (!scale_.lineHeight)
            return metrics_;
        const int height = int(std::lround(pixels(font, pixelsPerInch) * scale_.lineHeight));
        return {height, height * 4 / 5, scale_.leading};
    }
    int width(const TppFont& font, int pixelsPerInch, const QString& text) const override {
        if (!scale_.lineHeight)
            return charWidth_ * int(text.size());
        return int(std::lround(pixels(font, pixelsPerInch) * scale_.charWidth * double(text.size())));
    }

private:
    struct Scale {
        double charWidth = 0;
        double lineHeight = 0;
        int leading = 0;
    };
    static double pixels(const TppFont& font, int pixelsPerInch) { return font.size * pixelsPerInch / 72.0; }

    int charWidth_;
    Metrics metrics_;
    Scale scale_;
};
