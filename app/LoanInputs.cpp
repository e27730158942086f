#include "LoanInputs.h"

#include "NumberParse.h"

std::optional<long double> readFloatInput(const QString& text, const FormatSettings& settings) {
    return parseFloat(text.trimmed(), settings);
}

std::optional<qint32> readIntInput(const QString& text) {
    return parseInt32(text.trimmed());
}
