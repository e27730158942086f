#include "PostNetEncoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "CheckDigits.h"
#include "TppResourceManager.h"

#include <array>

namespace {

// Five bars per digit: '2' full height, '1' half.
constexpr std::array<std::string_view, 10> kDigits = {"22111", "11122", "11212", "11221", "12112",
                                                      "12121", "12211", "21112", "21121", "21211"};

} // namespace

BarCodeEncoding encodePostNet(const BarCodeSettings& settings) {
    // ZIP codes are typed as "12345-6789"; the dash is for people only.
    QString digits = settings.data;
    digits.remove(u'-');
    if (!isAsciiDigits(digits))
        return BarCodeEncoding::refused(bcPostnet, LanguageString(BarCodeMessage::PostNetNumeric));
    if (digits.size() != 5 && digits.size() != 9 && digits.size() != 11)
        return BarCodeEncoding::refused(bcPostnet, LanguageString(BarCodeMessage::PostNetLength));

    BarCodeEncoding encoding;
    encoding.type = bcPostnet;
    encoding.checkDigit = QString::number(digitSumCheckDigit(digits));
    digits += encoding.checkDigit;

    BarPatternBuilder pattern;
    // Framed by a full bar at either end.
    std::string heights = "2";
    for (QChar digit : digits)
        heights += kDigits.at(static_cast<size_t>(digitValue(digit)));
    heights += '2';
    for (size_t i = 0; i < heights.size(); ++i) {
        if (i > 0)
            pattern.add({false, BarWidthKind::PostNetGap});
        pattern.add({true, BarWidthKind::Narrow, heights[i] == '1'});
    }

    encoding.ok = true;
    encoding.humanReadable = settings.data;
    encoding.bars = pattern.take();
    return encoding;
}
