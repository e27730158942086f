#pragma once

#include "Persistent.h"

#include <QBrush>

// A brush as reports store it: colour (0x00BBGGRR) and style.
class TppBrush : public Persistent {
public:
    PW_CLASS_INFO

    enum Style : int {
        bsSolid,
        bsClear,
        bsHorizontal,
        bsVertical,
        bsFDiagonal,
        bsBDiagonal,
        bsCross,
        bsDiagCross
    };

    int color = 0xFFFFFF;
    Style style = bsSolid;

    QBrush toQBrush() const;

    // Persistent has no comparison, so the defaulted one would be deleted.
    friend bool operator==(const TppBrush& a, const TppBrush& b) {
        return a.color == b.color && a.style == b.style;
    }
};
