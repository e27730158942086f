#pragma once

#include "TextMeasurer.h"

#include <QList>
#include <QStringList>

// How the screen writes text: with the screen's stand-ins for printer and
// bitmap fonts, and, for memos of several lines, fitted into their box
// (zoomed fonts seldom measure exactly as the page was laid out).
//
// A screen font is measured at 72 pixels per inch with its size set to its
// pixel height, so that the height is exact in whole pixels.
namespace ScreenText {

constexpr int kFontPixelsPerInch = 72;

// The screen's stand-in for a font name; other names are kept.
QString fontName(const QString& name);

// The font as the screen draws it at a zoom: its pixel height at 100 %
// (size at `pixelsPerInch`) scaled by `scaleY`, never below one pixel.
TppFont zoomedFont(const TppFont& font, int pixelsPerInch, long double scaleY);

struct MemoFit {
    TppFont font;       // perhaps smaller than asked for
    int leading = 0;    // pixels, perhaps less than asked for
    int lineHeight = 0; // pixels from one line's top to the next
    int linesShown = 0; // the lines that fit, at most all of them
};

// Fits `lines` into a box of `boxWidth` x `boxHeight` pixels: a step smaller
// for each line too wide; lines that come close to filling the box are
// spaced to fill it exactly; otherwise less leading, then smaller type,
// until they fit; what still does not fit is cut after one line more than
// the box holds. `tabStops` are pixels from the line's start.
MemoFit fitMemo(const TextMeasurer& measurer, const TppFont& font, int leading, const QStringList& lines,
                const QList<int>& tabStops, int boxWidth, int boxHeight);

} // namespace ScreenText
