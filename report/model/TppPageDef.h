#pragma once

#include "Persistent.h"

#include <QRect>

// A page's size and margins in thousandths of a millimetre. Letter with
// quarter-inch margins until a printer setup says otherwise.
class TppPageDef : public Persistent {
public:
    PW_CLASS_INFO

    int mmWidth = 215900;
    int mmHeight = 279401;
    int mmMarginLeft = 6350;
    int mmMarginRight = 6350;
    int mmMarginTop = 6350;
    int mmMarginBottom = 6350;

    // Left, top, right and bottom of the printable area.
    QRect printableRect() const;
    int printableWidth() const { return mmWidth - mmMarginLeft - mmMarginRight; }
    int printableHeight() const { return mmHeight - mmMarginTop - mmMarginBottom; }

    // In screen pixels, truncated: widths and side margins across the page,
    // heights and top and bottom margins down it.
    int spWidth() const;
    int spHeight() const;
    int spMarginLeft() const;
    int spMarginRight() const;
    int spMarginTop() const;
    int spMarginBottom() const;

    friend bool operator==(const TppPageDef& a, const TppPageDef& b) {
        return a.mmWidth == b.mmWidth && a.mmHeight == b.mmHeight && a.mmMarginLeft == b.mmMarginLeft &&
               a.mmMarginRight == b.mmMarginRight && a.mmMarginTop == b.mmMarginTop &&
               a.mmMarginBottom == b.mmMarginBottom;
    }
};
