#pragma once

#include "TraEnvironment.h"
#include "TraTokenType.h"
#include "TraValue.h"

#include <QByteArray>
#include <optional>

// The variant's own rules: what its contents convert to and how two variants
// combine. Conversions that cannot be done raise TraRunError.
//
// Arithmetic: whole numbers (byte, small integer, integer) stay whole while the
// result fits 32 bits; a date with a number gives a date; currency with whole
// numbers or currency gives currency; anything else real gives a double. Text
// takes part as the number it spells, except that "+" of two texts joins them.
// Null in arithmetic gives null.

long double variantToReal(const TraValue& variant, const TraEnvironment& environment);
qint32 variantToInteger(const TraValue& variant, const TraEnvironment& environment);
qint64 variantToCurrency(const TraValue& variant, const TraEnvironment& environment);
// Empty text for an empty or null variant.
QByteArray variantToString(const TraValue& variant, const TraEnvironment& environment);

// A binary operator on two variants; the right one empty or null becomes the
// zero of the left one's kind first.
TraValue variantOperate(const TraValue& left, TraValue right, TraTokenType op,
                        const TraEnvironment& environment);
TraValue variantNegate(const TraValue& variant, const TraEnvironment& environment);
// The comparison; null equals only null and orders before nothing.
bool variantCompare(const TraValue& left, const TraValue& right, TraTokenType op,
                    const TraEnvironment& environment);
