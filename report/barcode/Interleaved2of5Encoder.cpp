#include "Interleaved2of5Encoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "CheckDigits.h"
#include "TppResourceManager.h"

#include <array>

namespace {

// Five elements per digit, '1' wide.
constexpr std::array<std::string_view, 10> kDigits = {"00110", "10001", "01001", "11000", "00101",
                                                      "10100", "01100", "00011", "10010", "01010"};

} // namespace

BarCodeEncoding encodeInterleaved2of5(const BarCodeSettings& settings) {
    QString digits = settings.data;
    if (!isAsciiDigits(digits))
        return BarCodeEncoding::refused(bcInt2of5, LanguageString(BarCodeMessage::Int2of5Numeric));

    BarCodeEncoding encoding;
    encoding.type = bcInt2of5;
    // Digits go in pairs, so only an odd count leaves room for a check digit.
    if (digits.size() % 2 == 1) {
        if (!settings.calcCheckDigit)
            return BarCodeEncoding::refused(bcInt2of5, LanguageString(BarCodeMessage::Int2of5EvenLength));
        encoding.checkDigit = QString::number(weightedCheckDigit(digits, 3));
        digits += encoding.checkDigit;
    }

    BarPatternBuilder pattern;
    pattern.addModules("1010");
    for (qsizetype pair = 0; pair < digits.size(); pair += 2) {
        const std::string_view bars = kDigits.at(static_cast<size_t>(digitValue(digits[pair])));
        const std::string_view spaces = kDigits.at(static_cast<size_t>(digitValue(digits[pair + 1])));
        for (size_t i = 0; i < 5; ++i) {
            pattern.add({true, bars[i] == '1' ? BarWidthKind::Wide : BarWidthKind::Narrow});
            pattern.add({false, spaces[i] == '1' ? BarWidthKind::Wide : BarWidthKind::Narrow});
        }
    }
    pattern.addWideNarrow("100");

    encoding.ok = true;
    encoding.humanReadable = settings.data;
    encoding.bars = pattern.take();
    return encoding;
}
