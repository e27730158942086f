#pragma once

#include "FormatSettings.h"

#include <QString>
#include <optional>

// A decimal number as users type it: optional sign, digits with the locale's
// decimal separator, optional exponent ("1.5E3"). No thousands separators, no
// blanks: callers that accept blanks trim first.
std::optional<long double> parseFloat(const QString& text, const FormatSettings& settings);

// A whole number with optional sign that fits 32 bits.
std::optional<qint32> parseInt32(const QString& text);
