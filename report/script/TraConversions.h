#pragma once

#include "TraEnvironment.h"
#include "TraValue.h"

#include <QByteArray>
#include <cmath>
#include <optional>

// How values of one type become another: by assignment (and parameter
// passing), as numbers for the arithmetic, as variants, and as text.

// Converts `source` into `target` by the target's type. A source the target
// does not accept leaves the target unchanged and answers false; a variant
// that cannot become what the target holds raises TraRunError.
bool assignConverted(TraValue& target, const TraValue& source, const TraEnvironment& environment);

// The value as a number for the arithmetic: the numeric and date types, and a
// variant holding a small integer, integer, single, double, currency or date.
std::optional<long double> readNumber(const TraValue& value);

// The value as variant contents; false for values that have none (no value, an object).
bool readVariant(const TraValue& value, TraValue& variant);

// The text form of a value: what ShowMessage shows and a String gets from a Variant.
QByteArray valueText(const TraValue& value, const TraEnvironment& environment);

// An arithmetic result: an Integer when it is whole and fits 32 bits, else an
// Extended. A result that is no number, or infinite, raises TraRunError.
void setNumericResult(TraValue& out, long double value);
[[noreturn]] void raiseNotFinite(long double value);
inline void checkFinite(long double value) {
    // x - x is 0 for every finite x, and NaN for infinities and NaN.
    if (value - value != 0) [[unlikely]]
        raiseNotFinite(value);
}
inline void checkFinite(double value) {
    if (!std::isfinite(value)) [[unlikely]]
        raiseNotFinite(value);
}
inline void checkFinite(float value) {
    if (!std::isfinite(value)) [[unlikely]]
        raiseNotFinite(value);
}

// Stores a number into a numeric or date-typed value, keeping its type
// (Integer truncates, Currency rounds to four places).
void storeNumber(TraValue& target, long double value);

// Truncated toward zero; a value outside the Integer range raises TraRunError.
qint32 truncateToInteger(long double value);
// Rounded to the nearest integer, halves to the even neighbour; range checked.
qint32 roundToInteger(long double value);
// A currency amount as its stored value (amount times 10000), halves to even.
qint64 currencyFromAmount(long double amount);
