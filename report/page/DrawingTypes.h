#pragma once

#include "TppTypes.h"

// Enumerations of pages and draw commands. Their order is part of the
// stored format: archives hold them by ordinal or by name.

enum TppVarType : int {
    vtDate,
    vtDateTime,
    vtDocumentName,
    vtPrintDateTime,
    vtPageCount,
    vtPageSet,
    vtPageSetDesc,
    vtPageNo,
    vtPageNoDesc,
    vtTime
};

enum TppCalcType : int {
    ctDate,
    ctDateTime,
    ctPrintDateTime,
    ctPageCount,
    ctPageSet,
    ctPageSetDesc,
    ctPageNo,
    ctPageNoDesc,
    ctTime,
    ctCustom
};

enum TppLinePositionType : int { lpTop, lpBottom, lpLeft, lpRight };

enum TppLineStyleType : int { lsSingle, lsDouble };

enum TShapeType : int { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// Text placement of the older kind, named as datasets name field alignment.
using TAlignment = TppFieldAlignment;

// Colours are stored as 0x00BBGGRR.
inline constexpr int clBlack = 0x000000;
inline constexpr int clWhite = 0xFFFFFF;
