#pragma once

#include "TppBrush.h"
#include "TppPen.h"

// The colour and line changes that graphic controls and regions offer
// beside their pen and brush: a colour given to a clear brush or pen also
// makes it solid, since a colour nobody sees would not be what was asked.

inline TppBrush brushFilledWith(TppBrush brush, int color) {
    brush.color = color;
    if (brush.style == TppBrush::bsClear)
        brush.style = TppBrush::bsSolid;
    return brush;
}

inline TppBrush brushWithoutFill(TppBrush brush) {
    brush.style = TppBrush::bsClear;
    return brush;
}

inline TppPen penDrawnIn(TppPen pen, int color) {
    pen.color = color;
    if (pen.style == TppPen::psClear)
        pen.style = TppPen::psSolid;
    return pen;
}

inline TppPen penWithoutLine(TppPen pen) {
    pen.style = TppPen::psClear;
    return pen;
}

inline TppPen penOfWidth(TppPen pen, int width) {
    pen.width = width;
    return pen;
}
