#pragma once

#include "TabbedText.h"
#include "TppPlainText.h"

// Breaks plain text into lines of a box, page after page: words move to
// the next line whole unless they are wider than the box (or CharWrap asks
// for it), then they break between characters. Lengths are thousandths of
// a millimetre; widths are measured on the canvas in its pixels.
class TppTextWrapper {
public:
    TppTextWrapper(const TppFont& font, const TextCanvas& canvas, const TppPlainText::WrapOptions& options);

    // Fills `lines` from after character `position`; answers the position
    // of the last character placed.
    int Wrap(const QString& text, const TppPrintRect& box, QStringList& lines, int position);

    int LineHeight() const { return lineHeight_; }
    int WidthOf(const QString& piece) const;

private:
    bool fitsIn(const QString& piece, int availableWidth) const { return WidthOf(piece) <= availableWidth; }
    void emitLine(QString line, bool paragraphEnd, QStringList& lines) const;

    const TextCanvas& canvas_;
    const TppPlainText::WrapOptions& options_;
    TabbedText tabbed_;
    int lineHeight_;
    int autoSizeSlack_;
};
