#include "CheckDigits.h"

#include <algorithm>

namespace {

int complementToTen(int sum) {
    return (10 - sum % 10) % 10;
}

} // namespace

bool isAsciiDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int weightedCheckDigit(QStringView digits, int firstWeight) {
    const int otherWeight = firstWeight == 3 ? 1 : 3;
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += digitValue(digits[i]) * (i % 2 == 0 ? firstWeight : otherWeight);
    return complementToTen(sum);
}

int digitSumCheckDigit(QStringView digits) {
    int sum = 0;
    for (QChar digit : digits)
        sum += digitValue(digit);
    return complementToTen(sum);
}

int luhnCheckDigit(QStringView digits) {
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int value = digitValue(digits[i]);
        if (doubled) {
            value *= 2;
            if (value >= 10)
                value -= 9;
        }
        sum += value;
        doubled = !doubled;
    }
    return complementToTen(sum);
}
