#include "UpcEanEncoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "CheckDigits.h"
#include "TppResourceManager.h"
#include "UpcEanDigitSets.h"

#include <array>
#include <functional>

namespace {

// The parity of digits 2-7 of EAN-13, chosen by its first digit.
constexpr std::array<std::string_view, 10> kEan13Parities = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// The parity of UPC-E's six digits, chosen by its check digit.
constexpr std::array<std::string_view, 10> kUpcEParities = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                                            "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};

struct DigitRules {
    int dataDigits; // without the check digit
    int lengthMessage;
    int lengthWithCheckDigitMessage;
    int numericMessage;
    std::function<int(QStringView)> checkDigit;
};

DigitRules rulesFor(TppBarCodeType type) {
    using namespace BarCodeMessage;
    switch (type) {
    case bcUPC_A:
        return {11, UpcALength, UpcALengthWithCheckDigit, UpcANumeric,
                [](QStringView d) { return weightedCheckDigit(d, 3); }};
    case bcUPC_E:
        return {6, UpcELength, UpcELengthWithCheckDigit, UpcENumeric,
                [](QStringView d) { return weightedCheckDigit(expandUpcE(d), 3); }};
    case bcEAN_13:
        return {12, Ean13Length, Ean13LengthWithCheckDigit, Ean13Numeric,
                [](QStringView d) { return weightedCheckDigit(d, 1); }};
    default:
        return {7, Ean8Length, Ean8LengthWithCheckDigit, Ean8Numeric,
                [](QStringView d) { return weightedCheckDigit(d, 3); }};
    }
}

void addDigits(BarPatternBuilder& pattern, QStringView digits, UpcEanSet set) {
    for (QChar digit : digits)
        pattern.addModules(upcEanDigitModules(set, digitValue(digit)));
}

void addDigits(BarPatternBuilder& pattern, QStringView digits, std::string_view parities) {
    for (qsizetype i = 0; i < digits.size(); ++i)
        pattern.addModules(
            upcEanDigitModules(paritySet(parities[static_cast<size_t>(i)]), digitValue(digits[i])));
}

// All digits of the symbol, the check digit last.
std::vector<BarElement> symbolPattern(TppBarCodeType type, QStringView digits) {
    BarPatternBuilder pattern;
    pattern.addModules("101");
    switch (type) {
    case bcUPC_A:
        addDigits(pattern, digits.first(6), UpcEanSet::A);
        pattern.addModules("01010");
        addDigits(pattern, digits.sliced(6), UpcEanSet::C);
        pattern.addModules("101");
        break;
    case bcUPC_E:
        addDigits(pattern, digits.first(6), kUpcEParities.at(static_cast<size_t>(digitValue(digits[6]))));
        pattern.addModules("010101");
        break;
    case bcEAN_13:
        addDigits(pattern, digits.sliced(1, 6),
                  kEan13Parities.at(static_cast<size_t>(digitValue(digits[0]))));
        pattern.addModules("01010");
        addDigits(pattern, digits.sliced(7), UpcEanSet::C);
        pattern.addModules("101");
        break;
    default:
        addDigits(pattern, digits.first(4), UpcEanSet::A);
        pattern.addModules("01010");
        addDigits(pattern, digits.sliced(4), UpcEanSet::C);
        pattern.addModules("101");
        break;
    }
    return pattern.take();
}

} // namespace

QString expandUpcE(QStringView d) {
    const QChar last = d[5];
    QString expanded(QStringLiteral("0"));
    expanded.reserve(11);
    const auto zeros = [&](int count) { expanded += QString(count, u'0'); };
    if (last <= u'2') {
        expanded.append(d.first(2)).append(last);
        zeros(4);
        expanded.append(d.sliced(2, 3));
    } else if (last == u'3') {
        expanded.append(d.first(3));
        zeros(5);
        expanded.append(d.sliced(3, 2));
    } else if (last == u'4') {
        expanded.append(d.first(4));
        zeros(5);
        expanded.append(d[4]);
    } else {
        expanded.append(d.first(5));
        zeros(4);
        expanded.append(last);
    }
    return expanded;
}

BarCodeEncoding encodeUpcEan(const BarCodeSettings& settings) {
    const DigitRules rules = rulesFor(settings.type);
    const QString& data = settings.data;
    const auto refuse = [&](int message) {
        return BarCodeEncoding::refused(settings.type, LanguageString(message));
    };
    if (data.size() != rules.dataDigits && data.size() != rules.dataDigits + 1)
        return refuse(rules.lengthMessage);
    if (!settings.calcCheckDigit && data.size() == rules.dataDigits)
        return refuse(rules.lengthWithCheckDigitMessage);
    if (!isAsciiDigits(data))
        return refuse(rules.numericMessage);

    // With the calculation on, a typed check digit is dropped and recomputed.
    QString digits = data.left(rules.dataDigits);
    digits += settings.calcCheckDigit ? QString::number(rules.checkDigit(digits)) : data.right(1);

    BarCodeEncoding encoding;
    encoding.type = settings.type;
    encoding.ok = true;
    encoding.checkDigit = digits.right(1);
    encoding.humanReadable = settings.type == bcUPC_E ? QStringLiteral("0") + digits : digits;
    encoding.bars = symbolPattern(settings.type, digits);
    return encoding;
}
