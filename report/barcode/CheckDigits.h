#pragma once

#include <QStringView>

// Digits here are the ASCII digits only: other Unicode digits would index
// past the symbology tables.
bool isAsciiDigits(QStringView text);
inline int digitValue(QChar digit) {
    return digit.unicode() - u'0';
}

// The modulo-10 check digit of UPC, EAN and Interleaved 2 of 5: the digits
// weighted alternately from the left, starting with `firstWeight` (3 or 1);
// check = (10 - sum mod 10) mod 10.
int weightedCheckDigit(QStringView digits, int firstWeight);
// PostNet: (10 - digit sum mod 10) mod 10.
int digitSumCheckDigit(QStringView digits);
// MSI: the Luhn rule, doubling every second digit from the rightmost one on.
int luhnCheckDigit(QStringView digits);
