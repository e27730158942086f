#pragma once

#include "TppTypes.h"

#include <QList>
#include <QString>

struct RulerTick {
    enum Kind { Small, Half, Label };
    int position = 0; // pixels from the ruler's start
    Kind kind = Small;
    QString label;
};

// The ticks of a ruler `length` pixels long on a screen of `ppi`, in the
// report's units: inches in eighths, millimetres in quarter centimetres
// labelled every 10 mm, pixels in tenths of an inch; a label of 10000 or
// more reads as thousands ("12k").
QList<RulerTick> rulerTicks(TppUnitType units, int ppi, int length, int printerPpi = 0);
