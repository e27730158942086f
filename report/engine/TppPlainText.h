#pragma once

#include "TextCanvas.h"
#include "TppFont.h"
#include "TppPrintRect.h"
#include "TppTypes.h"

#include <QStringList>

// The text layout that texts and memos share: word wrap into a box, line
// heights and tab expansion, measured on a TextCanvas so that what is
// wrapped is what the drawing of the lines measures.
class TppPlainText {
public:
    struct WrapOptions {
        // Tab stops in thousandths of a millimetre; none: every eight characters.
        const QStringList* tabStops = nullptr;
        int leading = 0; // extra space between lines, thousandths of a millimetre
        bool charWrap = false;
        bool autoSize = false;
        TppTextAlignment textAlignment = taLeftJustified;
    };

    // Wraps the text, from after character `position` (1-based; 0 is the
    // start), into the lines that fit the box; `lines` gets them and
    // `position` the last character they hold, from which a following box
    // continues. Under full justification the last line of each paragraph
    // ends with TppTextMarkups::ParagraphEnd.
    static void WrapText(const QString& text, const TppPrintRect& box, QStringList& lines, int& position,
                         const TppFont& font, const TextCanvas& canvas, const WrapOptions& options);

    struct LineHeightResult {
        int lineHeight = 0; // thousandths of a millimetre
        int lineCount = 0;  // lines that fit the available height
    };
    // One line of the font (its cell height) plus leading, and how many fit.
    static LineHeightResult LineHeight(const TppFont& font, int leading, const TextCanvas& canvas,
                                       int availableHeight);

    // Device pixels of the canvas; `tabStops` in those pixels.
    static int TabbedTextWidth(const TppFont& font, const TextCanvas& canvas, const QString& text,
                               const QList<int>& tabStops);

    // Stored tab stops (thousandths of a millimetre) in pixels of the unit
    // (utScreenPixels or utPrinterPixels of the printer); entries that are
    // not whole numbers are skipped, at most 100 are kept.
    static QList<int> ConvertTabStops(const QStringList& stops, TppUnitType unit,
                                      const DeviceResolution* printer);
};
