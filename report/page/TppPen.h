#pragma once

#include "Persistent.h"

#include <QPen>

// A pen as reports store it: colour (0x00BBGGRR), style, width in screen pixels.
class TppPen : public Persistent {
public:
    PW_CLASS_INFO

    enum Style : int { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

    int color = 0;
    Style style = psSolid;
    int width = 1;

    // The Qt pen with a width in device pixels.
    QPen toQPen(int deviceWidth) const;

    // Persistent has no comparison, so the defaulted one would be deleted.
    friend bool operator==(const TppPen& a, const TppPen& b) {
        return a.color == b.color && a.style == b.style && a.width == b.width;
    }
};

QColor colorFromStored(int color);
