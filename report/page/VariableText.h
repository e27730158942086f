#pragma once

#include "DrawingTypes.h"

#include <QString>

// The texts of the page-dependent variables ("3 of 12", "Page 3 of 12",
// "Page 3"); outside printing they read page 1 of 1. Other kinds give an
// empty text.
QString VariableText(TppVarType kind, int pageNo, int pageCount, bool printing = true);
// A calculation kind as the variable kind of the same name; ctCustom has none.
bool calcAsVarType(TppCalcType calc, TppVarType& var);
