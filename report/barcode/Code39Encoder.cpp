#include "Code39Encoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "TppResourceManager.h"

#include <optional>

namespace {

struct Code39Character {
    char character;
    std::string_view elements; // nine, bar first, three of them wide ('1')
};

constexpr Code39Character kCharacters[] = {
    {'0', "000110100"}, {'1', "100100001"}, {'2', "001100001"}, {'3', "101100000"}, {'4', "000110001"},
    {'5', "100110000"}, {'6', "001110000"}, {'7', "000100101"}, {'8', "100100100"}, {'9', "001100100"},
    {'A', "100001001"}, {'B', "001001001"}, {'C', "101001000"}, {'D', "000011001"}, {'E', "100011000"},
    {'F', "001011000"}, {'G', "000001101"}, {'H', "100001100"}, {'I', "001001100"}, {'J', "000011100"},
    {'K', "100000011"}, {'L', "001000011"}, {'M', "101000010"}, {'N', "000010011"}, {'O', "100010010"},
    {'P', "001010010"}, {'Q', "000000111"}, {'R', "100000110"}, {'S', "001000110"}, {'T', "000010110"},
    {'U', "110000001"}, {'V', "011000001"}, {'W', "111000000"}, {'X', "010010001"}, {'Y', "110010000"},
    {'Z', "011010000"}, {'-', "010000101"}, {'.', "110000100"}, {' ', "011000100"}, {'$', "010101000"},
    {'/', "010100010"}, {'+', "010001010"}, {'%', "000101010"}, {'*', "010010100"},
};

std::optional<std::string_view> elementsOf(QChar character) {
    for (const Code39Character& known : kCharacters)
        if (character == QLatin1Char(known.character))
            return known.elements;
    return std::nullopt;
}

} // namespace

BarCodeEncoding encodeCode39(const BarCodeSettings& settings) {
    // "*" is the start and stop character; typed ones at either end are kept,
    // missing ones added.
    QString text = settings.data.toUpper();
    if (text.startsWith(u'*'))
        text.remove(0, 1);
    if (text.endsWith(u'*'))
        text.chop(1);
    text = QStringLiteral("*") + text + QStringLiteral("*");

    BarPatternBuilder pattern;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool startOrStop = i == 0 || i == text.size() - 1;
        const std::optional<std::string_view> elements = elementsOf(text[i]);
        if (!elements || (text[i] == u'*' && !startOrStop))
            return BarCodeEncoding::refused(bcCode39, LanguageString(BarCodeMessage::Code39Characters));
        if (i > 0)
            pattern.add({false, BarWidthKind::CharacterGap});
        pattern.addWideNarrow(*elements);
    }

    BarCodeEncoding encoding;
    encoding.type = bcCode39;
    encoding.ok = true;
    encoding.humanReadable = settings.data;
    encoding.bars = pattern.take();
    return encoding;
}
