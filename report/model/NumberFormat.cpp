#include "NumberFormat.h"

#include "DecimalDigits.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool isQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

// Index just past the quoted run that starts at `i`.
qsizetype skipQuoted(const QString& text, qsizetype i) {
    const qsizetype close = text.indexOf(text[i], i + 1);
    return close < 0 ? text.size() : close + 1;
}

QStringList splitSections(const QString& picture) {
    QStringList sections;
    qsizetype start = 0;
    for (qsizetype i = 0; i < picture.size();) {
        if (isQuote(picture[i])) {
            i = skipQuoted(picture, i);
        } else if (picture[i] == u';') {
            sections << picture.mid(start, i - start);
            start = ++i;
        } else {
            ++i;
        }
    }
    sections << picture.mid(start);
    return sections;
}

bool isExponentAt(const QString& s, qsizetype i) {
    return (s[i] == u'E' || s[i] == u'e') && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-');
}

// What one section asks for.
struct Picture {
    int integerPlaces = 0;
    int forcedIntegerPlaces = 0; // from the first "0" up to the decimal point
    int decimalPlaces = 0;
    int forcedDecimalPlaces = 0; // up to the last "0" after the decimal point
    bool thousands = false;
    bool scientific = false;
    QChar exponentLetter;
    QChar exponentSign;
    int exponentDigits = 0;

    explicit Picture(const QString& section) {
        bool afterPoint = false;
        int firstZero = -1;
        for (qsizetype i = 0; i < section.size();) {
            const QChar c = section[i];
            if (isQuote(c)) {
                i = skipQuoted(section, i);
                continue;
            }
            if (c == u'0' || c == u'#') {
                if (afterPoint) {
                    ++decimalPlaces;
                    if (c == u'0')
                        forcedDecimalPlaces = decimalPlaces;
                } else {
                    if (c == u'0' && firstZero < 0)
                        firstZero = integerPlaces;
                    ++integerPlaces;
                }
            } else if (c == u'.') {
                afterPoint = true;
            } else if (c == u',') {
                thousands = true;
            } else if (isExponentAt(section, i)) {
                scientific = true;
                exponentLetter = c;
                exponentSign = section[i + 1];
                i += 2;
                while (i < section.size() && section[i] == u'0') {
                    ++exponentDigits;
                    ++i;
                }
                break;
            }
            ++i;
        }
        if (firstZero >= 0)
            forcedIntegerPlaces = integerPlaces - firstZero;
    }
};

// A picture's sections and what each asks for. Reports format thousands of
// values with a handful of pictures, so each thread keeps the pictures it has
// read; the few a report uses never make the cache grow far.
struct ParsedPicture {
    QStringList sections;
    std::vector<Picture> shapes;
};

const ParsedPicture& parsedPicture(const QString& picture) {
    thread_local QHash<QString, ParsedPicture> cache;
    const auto found = cache.constFind(picture);
    if (found != cache.cend())
        return *found;
    if (cache.size() >= 64)
        cache.clear();
    ParsedPicture parsed;
    parsed.sections = splitSections(picture);
    for (const QString& section : parsed.sections)
        parsed.shapes.emplace_back(section);
    return *cache.insert(picture, parsed);
}

// Writes the digits of a value into the placeholders of a section.
class PictureWriter {
public:
    PictureWriter(const Picture& picture, const FormatSettings& settings, QString integerDigits,
                  QString fractionDigits, QString exponentText)
        : picture_(picture), settings_(settings), integer_(std::move(integerDigits)),
          fraction_(std::move(fractionDigits)), exponent_(std::move(exponentText)) {}

    QString write(const QString& section) {
        out_.reserve(section.size() + integer_.size() + integer_.size() / 3 + fraction_.size() +
                     exponent_.size());
        for (qsizetype i = 0; i < section.size();) {
            const QChar c = section[i];
            if (isQuote(c)) {
                const qsizetype close = section.indexOf(c, i + 1);
                const qsizetype contentEnd = close < 0 ? section.size() : close;
                out_ += section.mid(i + 1, contentEnd - i - 1);
                i = close < 0 ? section.size() : close + 1;
                continue;
            }
            if (c == u'0' || c == u'#') {
                placeholder();
            } else if (c == u'.') {
                decimalPoint();
            } else if (c == u',') {
                // only a request for separators, which the integer digits insert
            } else if (picture_.scientific && isExponentAt(section, i)) {
                finishInteger();
                out_ += exponent_;
                i += 2;
                while (i < section.size() && section[i] == u'0')
                    ++i;
                continue;
            } else {
                out_ += c;
            }
            ++i;
        }
        finishInteger();
        return out_;
    }

private:
    void placeholder() {
        if (afterPoint_) {
            if (decimalIndex_ < fraction_.size())
                out_ += fraction_[decimalIndex_];
            ++decimalIndex_;
            return;
        }
        // Digits line up with the placeholders from the right; the first
        // placeholder also takes every digit that has no placeholder of its own.
        const qsizetype spare = integer_.size() - picture_.integerPlaces;
        const qsizetype upTo = spare + integerIndex_;
        while (written_ <= upTo && written_ < integer_.size())
            integerDigit();
        ++integerIndex_;
    }

    void integerDigit() {
        out_ += integer_[written_];
        ++written_;
        const qsizetype remaining = integer_.size() - written_;
        if (picture_.thousands && remaining > 0 && remaining % 3 == 0 &&
            !settings_.thousandSeparator.isNull())
            out_ += settings_.thousandSeparator;
    }

    // A section without integer placeholders still prints the integer digits.
    void finishInteger() {
        if (picture_.integerPlaces == 0)
            while (written_ < integer_.size())
                integerDigit();
    }

    void decimalPoint() {
        if (afterPoint_)
            return;
        finishInteger();
        afterPoint_ = true;
        if (!fraction_.isEmpty())
            out_ += settings_.decimalSeparator;
    }

    const Picture& picture_;
    const FormatSettings& settings_;
    QString integer_;
    QString fraction_;
    QString exponent_;
    QString out_;
    bool afterPoint_ = false;
    int integerIndex_ = 0;
    int decimalIndex_ = 0;
    qsizetype written_ = 0;
};

QString writeFixed(const QString& section, const Picture& picture, const DecimalDigits& rounded,
                   const FormatSettings& settings) {
    QString fraction = rounded.fractionDigits(picture.decimalPlaces);
    while (fraction.size() > picture.forcedDecimalPlaces && fraction.endsWith(u'0'))
        fraction.chop(1);
    PictureWriter writer(picture, settings, rounded.integerDigits(picture.forcedIntegerPlaces), fraction,
                         QString());
    return writer.write(section);
}

QString writeScientific(const QString& section, const Picture& picture, const DecimalDigits& value,
                        const FormatSettings& settings) {
    const int integerPlaces = std::max(1, picture.integerPlaces);
    const DecimalDigits rounded = value.roundedToSignificant(integerPlaces + picture.decimalPlaces);
    const int exponent = rounded.isZero() ? 0 : rounded.exponent - integerPlaces;
    QString mantissa = rounded.digits.leftJustified(integerPlaces + picture.decimalPlaces, u'0');
    QString fraction = mantissa.mid(integerPlaces);
    while (fraction.size() > picture.forcedDecimalPlaces && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString exponentText(picture.exponentLetter);
    if (exponent < 0)
        exponentText += u'-';
    else if (picture.exponentSign == u'+')
        exponentText += u'+';
    exponentText += QString::number(std::abs(exponent)).rightJustified(picture.exponentDigits, u'0');
    QString integer = mantissa.left(integerPlaces);
    if (picture.integerPlaces > picture.forcedIntegerPlaces)
        while (integer.size() > std::max(1, picture.forcedIntegerPlaces) && integer.startsWith(u'0'))
            integer.remove(0, 1);
    PictureWriter writer(picture, settings, integer, fraction, exponentText);
    return writer.write(section);
}

} // namespace

QString formatGeneral(long double value, const FormatSettings& settings, int precision) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const DecimalDigits d = DecimalDigits::of(value).roundedToSignificant(precision);
    if (d.isZero())
        return QStringLiteral("0");
    QString text = d.negative ? QStringLiteral("-") : QString();
    if (d.exponent > precision || d.exponent < -4) {
        text += d.digits[0];
        if (d.digits.size() > 1)
            text += settings.decimalSeparator + d.digits.mid(1);
        text += u'E' + QString::number(d.exponent - 1);
        return text;
    }
    const QString integer = d.integerDigits(1);
    const QString fraction = d.fractionDigits(std::max<int>(0, int(d.digits.size()) - d.exponent));
    text += integer;
    if (!fraction.isEmpty())
        text += settings.decimalSeparator + fraction;
    return text;
}

QString formatFloat(const QString& picture, long double value, const FormatSettings& settings) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (picture.isEmpty())
        return formatGeneral(value, settings);

    const ParsedPicture& parsed = parsedPicture(picture);
    const QStringList& sections = parsed.sections;
    auto usable = [&](int index) { return index < sections.size() && !sections[index].isEmpty(); };
    const DecimalDigits digits = DecimalDigits::of(value);
    const bool negative = value < 0 && !digits.isZero();

    int index = 0;
    if (digits.isZero() && usable(2))
        index = 2;
    else if (negative && usable(1))
        index = 1;

    for (;;) {
        const QString& section = sections[index];
        const Picture& shape = parsed.shapes[std::size_t(index)];
        if (shape.scientific)
            return (negative && index == 0 ? QStringLiteral("-") : QString()) +
                   writeScientific(section, shape, digits, settings);
        const DecimalDigits rounded = digits.roundedToDecimals(shape.decimalPlaces);
        if (rounded.isZero() && !digits.isZero()) {
            // Rounded away to nothing: it is shown as zero, by the zero section
            // when there is one, and never with a minus sign.
            if (usable(2) && index != 2) {
                index = 2;
                continue;
            }
            return writeFixed(section, shape, rounded, settings);
        }
        return (negative && index == 0 ? QStringLiteral("-") : QString()) +
               writeFixed(section, shape, rounded, settings);
    }
}

namespace {

// Where the symbol ("$") and the digits ("1") go, by the settings' style numbers.
const char* const kPositiveCurrency[] = {"$1", "1$", "$ 1", "1 $"};
const char* const kNegativeCurrency[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
                                         "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

QString groupedDigits(const QString& digits, QChar separator) {
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0 && !separator.isNull())
            out += separator;
        out += digits[i];
    }
    return out;
}

} // namespace

QString formatCurrency(long double value, int decimals, const FormatSettings& settings, int precision) {
    if (std::isnan(value) || std::isinf(value))
        return formatFloat(QString(), value, settings);
    decimals = std::clamp(decimals, 0, 18);
    const DecimalDigits significant = DecimalDigits::of(value).roundedToSignificant(precision);
    if (significant.exponent > precision)
        return formatGeneral(value, settings, precision);
    const DecimalDigits rounded = significant.roundedToDecimals(decimals);
    QString number = groupedDigits(rounded.integerDigits(1), settings.thousandSeparator);
    if (decimals > 0)
        number += settings.decimalSeparator + rounded.fractionDigits(decimals);

    // A value that rounds to nothing shows no minus sign.
    const bool negative = rounded.negative && !rounded.isZero();
    const QString layout =
        QString::fromLatin1(negative ? kNegativeCurrency[std::clamp(settings.negCurrencyFormat, 0, 15)]
                                     : kPositiveCurrency[std::clamp(settings.currencyFormat, 0, 3)]);
    QString out;
    for (QChar c : layout) {
        if (c == u'$')
            out += settings.currencyString;
        else if (c == u'1')
            out += number;
        else
            out += c;
    }
    return out;
}
