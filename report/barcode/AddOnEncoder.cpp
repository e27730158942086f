#include "AddOnEncoder.h"

#include "BarPatternBuilder.h"
#include "CheckDigits.h"
#include "UpcEanDigitSets.h"

#include <array>

namespace {

// Two digits: chosen by their value mod 4.
constexpr std::array<std::string_view, 4> kTwoDigitParities = {"AA", "AB", "BA", "BB"};
// Five digits: chosen by the last digit of 3 x (d1 + d3 + d5) + 9 x (d2 + d4).
constexpr std::array<std::string_view, 10> kFiveDigitParities = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                                                 "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};

std::string_view paritiesOf(QStringView digits) {
    if (digits.size() == 2)
        return kTwoDigitParities.at(
            static_cast<size_t>((digitValue(digits[0]) * 10 + digitValue(digits[1])) % 4));
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += digitValue(digits[i]) * (i % 2 == 0 ? 3 : 9);
    return kFiveDigitParities.at(static_cast<size_t>(sum % 10));
}

} // namespace

std::vector<BarElement> encodeAddOn(QStringView digits) {
    const std::string_view parities = paritiesOf(digits);
    BarPatternBuilder pattern;
    pattern.addModules("1011");
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0)
            pattern.addModules("01");
        pattern.addModules(
            upcEanDigitModules(paritySet(parities[static_cast<size_t>(i)]), digitValue(digits[i])));
    }
    return pattern.take();
}
