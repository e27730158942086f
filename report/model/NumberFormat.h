#pragma once

#include "FormatSettings.h"

#include <QString>

// Number pictures: up to three sections "positive;negative;zero". In a section
// "0" is a digit that always prints, "#" a digit that prints when significant,
// "," asks for thousands separators, the first "." is the decimal point,
// "E+00"/"E-00" switches to scientific notation, text in single or double
// quotes prints as it stands, and any other character prints literally.
// A negative value printed with the first section gets a leading "-"; a value
// that rounds to zero prints without a sign.
//
// An empty picture gives the general text with 15 significant digits.
QString formatFloat(const QString& picture, long double value, const FormatSettings& settings);

// The shortest text of the value with at most `precision` significant digits:
// fixed notation while the integer part has at most `precision` digits and the
// value is at least 0.00001, else scientific ("1E20", "1.5E-7").
QString formatGeneral(long double value, const FormatSettings& settings, int precision = 15);

// The settings' currency text of the value: digits rounded to `precision`
// significant digits and then to `decimals` places, thousands separators,
// and the currency symbol placed by currencyFormat (by negCurrencyFormat for
// a value below zero). A value whose integer part has more digits than
// `precision` gives the general text, which switches to an exponent.
QString formatCurrency(long double value, int decimals, const FormatSettings& settings, int precision = 15);
