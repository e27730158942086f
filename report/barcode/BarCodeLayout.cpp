#include "BarCodeLayout.h"

#include "BarPixelWidths.h"

#include <algorithm>

namespace {

struct BarRun {
    int start;
    int length;
    bool halfHeight;
};

// Adjacent bar elements of one height merge into one run, so module-based
// symbols paint one rectangle per bar instead of one per module.
std::vector<BarRun> barRuns(const std::vector<BarElement>& elements, const BarPixelWidths& widths,
                            int& length) {
    std::vector<BarRun> runs;
    length = 0;
    bool previousWasBar = false;
    for (const BarElement& element : elements) {
        const int width = widths.of(element.width);
        if (element.isBar && previousWasBar && runs.back().halfHeight == element.halfHeight)
            runs.back().length += width;
        else if (element.isBar)
            runs.push_back({length, width, element.halfHeight});
        previousWasBar = element.isBar;
        length += width;
    }
    return runs;
}

int quietZoneOf(TppBarCodeType type, const BarCodeLayoutOptions& options) {
    if (isUpcOrEan(type))
        return roundToPixels(options.barWidthInches * 9 * options.pixelsPerInch);
    if (type == bcInt2of5)
        return roundToPixels(0.03 * options.pixelsPerInch);
    return 0;
}

int autoBarHeight(TppBarCodeType type, const BarCodeLayoutOptions& options, int patternLength, int width,
                  int narrow) {
    int height = 0;
    switch (type) {
    case bcUPC_A:
    case bcUPC_E:
        height = roundToPixels(options.pixelsPerInch * options.barWidthInches * 73.85);
        break;
    case bcEAN_13:
    case bcEAN_8:
        height = roundToPixels(0.85 * patternLength);
        break;
    case bcInt2of5:
        height = roundToPixels(0.6 * width);
        break;
    case bcCode128:
    case bcCode39:
    case bcCodabar:
        height = roundToPixels(0.25 * width);
        break;
    case bcMSI:
        height = roundToPixels(0.2 * width);
        break;
    case bcPostnet:
        height = roundToPixels(options.pixelsPerInch / 8);
        break;
    case bcFIM:
        height = 20 * narrow;
        break;
    }
    return std::max(height, 5);
}

QRect oriented(const QRect& r, TppBarCodeOrientation orientation, QSize size) {
    const int w = size.width();
    const int h = size.height();
    switch (orientation) {
    case orLeftToRight:
        return r;
    case orRightToLeft:
        return {w - r.x() - r.width(), h - r.y() - r.height(), r.width(), r.height()};
    case orTopToBottom: // turned clockwise: the top of the bars faces right
        return {h - r.y() - r.height(), r.x(), r.height(), r.width()};
    case orBottomToTop: // turned counter-clockwise: the top of the bars faces left
        return {r.y(), w - r.x() - r.width(), r.height(), r.width()};
    }
    return r;
}

int textRotationOf(TppBarCodeOrientation orientation) {
    switch (orientation) {
    case orLeftToRight:
        return 0;
    case orRightToLeft:
        return 180;
    case orTopToBottom:
        return 270;
    case orBottomToTop:
        return 90;
    }
    return 0;
}

class LayoutBuilder {
public:
    LayoutBuilder(const BarCodeEncoding& encoding, const BarCodeLayoutOptions& options)
        : encoding_(encoding), options_(options),
          widths_(BarPixelWidths::at(options.barWidthInches, options.pixelsPerInch, options.wideBarRatio)) {}

    BarCodeLayout build() {
        if (!encoding_.ok || widths_.narrow <= 0)
            return {};
        const TppBarCodeType type = encoding_.type;
        const int n = widths_.narrow;
        int patternLength = 0;
        int addOnLength = 0;
        const std::vector<BarRun> runs = barRuns(encoding_.bars, widths_, patternLength);
        const std::vector<BarRun> addOnRuns = barRuns(encoding_.addOnBars, widths_, addOnLength);
        const bool hasAddOn = !encoding_.addOnBars.empty();

        layout_.quietZone = quietZoneOf(type, options_);
        const int q = layout_.quietZone;
        const int width = patternLength + 2 * q + (hasAddOn ? 9 * n + addOnLength : 0);
        textLine_ = type == bcFIM ? 0 : std::max(0, options_.textLineHeight);
        const int barHeight = options_.autoSize ? autoBarHeight(type, options_, patternLength, width, n)
                                                : std::max(0, options_.height - textLine_);
        const int height = options_.autoSize ? barHeight + textLine_ : std::max(0, options_.height);
        layout_.barHeight = barHeight;
        size_ = {width, height};

        // UPC and EAN bars reach halfway into the text line; the digit boxes
        // then clear them, leaving the guard bars long.
        const int bottom =
            barHeight + (isUpcOrEan(type) && textLine_ > 0 ? std::max(0, textLine_ / 2 - n) : 0);
        const int halfHeight = roundToPixels(0.4 * barHeight);
        for (const BarRun& run : runs) {
            const int top = run.halfHeight ? barHeight - halfHeight : 0;
            addBar({q + run.start, top, run.length, bottom - top});
        }
        if (hasAddOn) {
            const int left = q + patternLength + 9 * n;
            for (const BarRun& run : addOnRuns)
                addBar({left + run.start, textLine_, run.length, bottom - textLine_});
            addText({left, 0, addOnLength, textLine_}, encoding_.addOnText, Qt::AlignRight);
        }
        if (type == bcInt2of5 && options_.bearerBars) {
            addBar({0, 0, width, 3 * n});
            addBar({0, barHeight - 3 * n, width, 3 * n});
        }
        addHumanReadable(patternLength);

        layout_.size =
            orientation() == orTopToBottom || orientation() == orBottomToTop ? size_.transposed() : size_;
        layout_.textRotation = textRotationOf(orientation());
        return std::move(layout_);
    }

private:
    TppBarCodeOrientation orientation() const { return options_.orientation; }

    void addBar(const QRect& r) {
        if (!r.isEmpty())
            layout_.bars.push_back(oriented(r, orientation(), size_));
    }

    void addText(const QRect& r, const QString& text, Qt::Alignment alignment, bool clear = false,
                 bool smaller = false) {
        if (textLine_ > 0 && !r.isEmpty())
            layout_.texts.push_back({oriented(r, orientation(), size_), text, alignment, clear, smaller});
    }

    // A box under modules [from, to) of the main symbol.
    void addDigitBox(int from, int to, const QString& digits) {
        const int n = widths_.narrow;
        addText({layout_.quietZone + from * n, layout_.barHeight, (to - from) * n, textLine_}, digits,
                Qt::AlignHCenter, true);
    }

    void addHumanReadable(int patternLength) {
        const QString& text = encoding_.humanReadable;
        const int q = layout_.quietZone;
        const int n = widths_.narrow;
        const int textTop = layout_.barHeight;
        const QRect leftOfSymbol(0, textTop, q, textLine_);
        const QRect rightOfSymbol(q + patternLength, textTop, q, textLine_);
        switch (encoding_.type) {
        case bcUPC_A:
            addText(leftOfSymbol, text.left(1), Qt::AlignRight, false, true);
            addDigitBox(10, 45, text.mid(1, 5));
            addDigitBox(50, 85, text.mid(6, 5));
            addText(rightOfSymbol, text.right(1), Qt::AlignLeft, false, true);
            fitText(text.mid(1, 5), 36 * n);
            break;
        case bcUPC_E:
            addText(leftOfSymbol, text.left(1), Qt::AlignRight, false, true);
            addDigitBox(3, 45, text.mid(1, 6));
            addText(rightOfSymbol, text.right(1), Qt::AlignLeft, false, true);
            fitText(text.mid(1, 6), 42 * n);
            break;
        case bcEAN_13:
            addText(leftOfSymbol, text.left(1), Qt::AlignRight);
            addDigitBox(3, 45, text.mid(1, 6));
            addDigitBox(50, 92, text.mid(7, 6));
            fitText(text.mid(1, 6), 42 * n);
            break;
        case bcEAN_8:
            addDigitBox(3, 31, text.left(4));
            addDigitBox(36, 64, text.mid(4, 4));
            fitText(text.left(4), 28 * n);
            break;
        case bcFIM:
            break;
        default:
            addText({0, textTop, size_.width(), textLine_}, text, options_.alignment);
            fitText(text, size_.width());
            break;
        }
    }

    void fitText(const QString& text, int width) {
        layout_.textToFit = text;
        layout_.textFitWidth = width;
    }

    const BarCodeEncoding& encoding_;
    const BarCodeLayoutOptions& options_;
    const BarPixelWidths widths_;
    BarCodeLayout layout_;
    QSize size_;
    int textLine_ = 0;
};

} // namespace

BarCodeLayout layOutBarCode(const BarCodeEncoding& encoding, const BarCodeLayoutOptions& options) {
    return LayoutBuilder(encoding, options).build();
}
