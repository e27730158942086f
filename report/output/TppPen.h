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

    friend bool operator==(const TppPen&, const TppPen&) = default;
};

QColor colorFromStored(int color);
