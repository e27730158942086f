#pragma once

#include <QString>

// A number as its decimal digits: value = 0.d1d2d3... x 10^exponent. The digits
// carry no leading or trailing zeros; zero has no digits. Pictures round on
// this form, half away from zero, so 2.675 held as 2.67499999... stays below the
// half as the number's own digits say.
struct DecimalDigits {
    QString digits;
    int exponent = 0;
    bool negative = false;

    bool isZero() const { return digits.isEmpty(); }

    // The first `precision` significant digits of the value, rounded to nearest.
    static DecimalDigits of(long double value, int precision = 18);

    // Rounded to `decimals` places after the decimal point.
    DecimalDigits roundedToDecimals(int decimals) const;
    // Rounded to `count` significant digits.
    DecimalDigits roundedToSignificant(int count) const;
    // Integer digits, at least `minimum` of them (leading zeros added).
    QString integerDigits(int minimum = 0) const;
    // Exactly `count` digits after the decimal point.
    QString fractionDigits(int count) const;

private:
    DecimalDigits roundedAt(int keep) const;
};
