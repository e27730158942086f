#include "NumberParse.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Copies a run of ASCII digits to `out`; returns how many there were.
qsizetype takeDigits(const QString& text, qsizetype& i, std::string& out) {
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        out += char(text[i++].unicode());
    return i - start;
}

void takeSign(const QString& text, qsizetype& i, std::string& out) {
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            out += '-';
        ++i;
    }
}

} // namespace

std::optional<long double> parseFloat(const QString& text, const FormatSettings& settings) {
    std::string plain;
    qsizetype i = 0;
    takeSign(text, i, plain);
    qsizetype mantissaDigits = takeDigits(text, i, plain);
    if (i < text.size() && text[i] == settings.decimalSeparator) {
        ++i;
        plain += '.';
        mantissaDigits += takeDigits(text, i, plain);
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        plain += 'e';
        takeSign(text, i, plain);
        if (takeDigits(text, i, plain) == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    long double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::optional<qint32> parseInt32(const QString& text) {
    std::string plain;
    qsizetype i = 0;
    takeSign(text, i, plain);
    if (takeDigits(text, i, plain) == 0 || i != text.size())
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}
