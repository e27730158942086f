#include "CodabarEncoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "TppResourceManager.h"

#include <optional>

namespace {

struct CodabarCharacter {
    char character;
    std::string_view elements; // seven, bar first, '1' wide
};

constexpr CodabarCharacter kCharacters[] = {
    {'0', "0000011"}, {'1', "0000110"}, {'2', "0001001"}, {'3', "1100000"}, {'4', "0010010"},
    {'5', "1000010"}, {'6', "0100001"}, {'7', "0100100"}, {'8', "0110000"}, {'9', "1001000"},
    {'-', "0001100"}, {'$', "0011000"}, {':', "1000101"}, {'/', "1010001"}, {'.', "1010100"},
    {'+', "0010101"}, {'A', "0011010"}, {'B', "0101001"}, {'C', "0001011"}, {'D', "0001110"},
};

std::optional<std::string_view> elementsOf(QChar character) {
    for (const CodabarCharacter& known : kCharacters)
        if (character == QLatin1Char(known.character))
            return known.elements;
    return std::nullopt;
}

bool isStartStop(QChar c) {
    return c >= u'A' && c <= u'D';
}

} // namespace

BarCodeEncoding encodeCodabar(const BarCodeSettings& settings) {
    const QString& data = settings.data;
    const auto refuse = [](const QString& message) { return BarCodeEncoding::refused(bcCodabar, message); };
    for (QChar c : data)
        if (!elementsOf(c))
            return refuse(LanguageString(BarCodeMessage::CodabarCharacters));
    if (data.size() < 2 || !isStartStop(data.front()) || !isStartStop(data.back()))
        return refuse(LanguageString(BarCodeMessage::CodabarStartStop));
    for (qsizetype i = 1; i + 1 < data.size(); ++i)
        if (isStartStop(data[i]))
            return refuse(LanguageString(BarCodeMessage::CodabarInnerStartStop) + u' ' +
                          LanguageString(BarCodeMessage::CodabarInnerStartStopReason));

    BarPatternBuilder pattern;
    for (QChar c : data) {
        pattern.addWideNarrow(*elementsOf(c));
        pattern.add({false, BarWidthKind::Narrow});
    }

    BarCodeEncoding encoding;
    encoding.type = bcCodabar;
    encoding.ok = true;
    encoding.humanReadable = data;
    encoding.bars = pattern.take();
    return encoding;
}
