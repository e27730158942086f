#include "DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void trimTrailingZeros(QString& digits) {
    qsizetype end = digits.size();
    while (end > 0 && digits[end - 1] == u'0')
        --end;
    digits.truncate(end);
}

// Writes |value| as "d.ddd...e+XX" with `precision` significant digits.
// Values from tables are doubles widened to long double; their exact digits
// come from to_chars many times faster than from printf's long double path,
// and both round the exact binary value, so the text is the same.
void writeExponentForm(char (&buffer)[64], long double value, int precision) {
    const auto narrow = double(value);
    if (static_cast<long double>(narrow) == value) {
        const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, narrow,
                                           std::chars_format::scientific, precision - 1);
        *written.ptr = '\0';
        return;
    }
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, value);
}

} // namespace

DecimalDigits DecimalDigits::of(long double value, int precision) {
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value))
        return result;
    char buffer[64];
    writeExponentForm(buffer, std::fabs(value), precision);
    // buffer holds "d.ddd...e+XX"
    result.digits.reserve(precision);
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            result.digits += QLatin1Char(*p);
    result.exponent = std::atoi(p + 1) + 1;
    qsizetype lead = 0;
    while (lead < result.digits.size() && result.digits[lead] == u'0')
        ++lead;
    result.digits.remove(0, lead);
    result.exponent -= int(lead);
    trimTrailingZeros(result.digits);
    if (result.digits.isEmpty())
        result.exponent = 0;
    return result;
}

DecimalDigits DecimalDigits::roundedAt(int keep) const {
    if (keep >= digits.size())
        return *this;
    DecimalDigits result;
    result.negative = negative;
    if (keep < 0)
        return result;
    const bool up = digits[keep] >= u'5';
    result.digits = digits.left(keep);
    result.exponent = exponent;
    if (up) {
        qsizetype i = result.digits.size() - 1;
        while (i >= 0 && result.digits[i] == u'9') {
            result.digits[i] = u'0';
            --i;
        }
        if (i >= 0) {
            result.digits[i] = QChar(result.digits[i].unicode() + 1);
        } else {
            result.digits.prepend(u'1');
            ++result.exponent;
        }
    }
    trimTrailingZeros(result.digits);
    if (result.digits.isEmpty())
        result.exponent = 0;
    return result;
}

DecimalDigits DecimalDigits::roundedToDecimals(int decimals) const {
    if (isZero())
        return *this;
    return roundedAt(exponent + decimals);
}

DecimalDigits DecimalDigits::roundedToSignificant(int count) const {
    return roundedAt(count);
}

QString DecimalDigits::integerDigits(int minimum) const {
    QString result;
    if (exponent > 0)
        result = digits.left(exponent).leftJustified(exponent, u'0');
    if (result.size() < minimum)
        result.prepend(QString(minimum - result.size(), u'0'));
    return result;
}

QString DecimalDigits::fractionDigits(int count) const {
    QString result;
    result.reserve(count);
    for (int place = 0; place < count; ++place) {
        const int index = exponent + place; // digit index of the place'th decimal
        result += (index >= 0 && index < digits.size()) ? digits[index] : QChar(u'0');
    }
    return result;
}
