#include "BarCodeEncoder.h"
#include "Code128AutoEncoder.h"
#include "Code128Encoder.h"

#include "CaseName.h"

#include <gtest/gtest.h>

// In the data, 201 FNC3 .. 203 SHIFT, 204 CODE C (U+00CC), 205 CODE B (U+00CD),
// 206 CODE A (U+00CE), 207 FNC1 (U+00CF), 208-210 START A/B/C (U+00D0-U+00D2),
// 211-242 the control characters NUL.. of code A (U+00D3..).

namespace {

std::string visible(const QString& data) {
    std::string text;
    for (QChar c : data) {
        const char16_t u = c.unicode();
        if (u >= 32 && u < 127)
            text += char(u);
        else
            text += "<" + std::to_string(u) + ">";
    }
    return text;
}

struct AutoCase {
    const char* name;
    const char16_t* data;
    const char16_t* encoded;
};
PW_PRINT_CASE_NAME(AutoCase)

const AutoCase kAutoCases[] = {
    {"digits only: start C and pairs", u"123456", u"\u00D2123456"},
    {"a final pair switches to C", u"AB12", u"\u00D0AB\u00CC12"},
    {"lower case needs B", u"ab", u"\u00D1ab"},
    {"A is preferred when both sets carry everything", u"ABC", u"\u00D0ABC"},
    {"a lone pair between letters is not worth a switch", u"A12B", u"\u00D0A12B"},
    {"two pairs in a row are", u"A1234B", u"\u00D0A\u00CC1234\u00CEB"},
    {"a leading pair starts C, the odd digit leaves it", u"12345", u"\u00D21234\u00CE5"},
    {"a single digit does not pair", u"1A", u"\u00D01A"},
    {"one control character inside B is shifted", u"a\u00D4b", u"\u00D1a\u00CB\u00D4b"},
    {"a last character of the other set switches", u"\u00D4\u00D4a", u"\u00D0\u00D4\u00D4\u00CDa"},
    {"the set of the coming characters decides", u"\u00D4ab", u"\u00D0\u00D4\u00CDab"},
    {"FNC1 first and then pairs stays in C", u"\u00CF0112345678901231", u"\u00D2\u00CF0112345678901231"},
    {"FNC1 between pairs stays in C and pairs with no digit", u"12\u00CF34", u"\u00D212\u00CF34"},
    {"typed starts, switches and shifts are dropped", u"\u00D1\u00CB1\u00CD2", u"\u00D212"},
    {"no data still has a start", u"", u"\u00D0"},
};

class AutoEncodeTest : public testing::TestWithParam<AutoCase> {};

TEST_P(AutoEncodeTest, ChoosesSets) {
    const AutoCase& c = GetParam();
    const QString encoded = autoEncodeCode128(QString::fromUtf16(c.data));
    EXPECT_EQ(visible(encoded), visible(QString::fromUtf16(c.encoded)));
    EXPECT_TRUE(code128Symbols(encoded).error.isEmpty()) << "what AutoEncode writes always encodes";
}

INSTANTIATE_TEST_SUITE_P(Code128, AutoEncodeTest, testing::ValuesIn(kAutoCases),
                         [](const auto& info) { return caseName(info.param.name); });

struct SymbolCase {
    const char* name;
    const char16_t* data;
    std::vector<int> values; // without check symbol and stop
    const char* error;       // empty when the data encodes
};
PW_PRINT_CASE_NAME(SymbolCase)

const SymbolCase kSymbolCases[] = {
    {"code B characters", u"\u00D1ab", {104, 65, 66}, ""},
    {"code C pairs", u"\u00D2123456", {105, 12, 34, 56}, ""},
    {"FNC1 in code C is its own unit", u"\u00D2\u00CF0112", {105, 102, 1, 12}, ""},
    {"control characters in A", u"\u00D0\u00D3\u00F2", {103, 64, 95}, ""},
    {"SHIFT reads one character in the other set", u"\u00D0A\u00CBaB", {103, 33, 98, 65, 34}, ""},
    {"CODE A from B, CODE C from A, CODE B from C",
     u"\u00D1a\u00CE\u00D3\u00CC12\u00CDb",
     {104, 65, 101, 64, 99, 12, 100, 66},
     ""},
    {"CODE B in B is FNC4", u"\u00D1\u00CDa", {104, 100, 65}, ""},
    {"FNC2 and FNC3", u"\u00D0\u00CA\u00C9", {103, 97, 96}, ""},
    {"no start code", u"AB", {}, "Code 128 must begin with a start code (#208, #209 or #210)"},
    {"a second start code",
     u"\u00D1A\u00D1",
     {104, 33},
     "A start code can only be placed at the beginning of the symbol"},
    {"lower case in A", u"\u00D0a", {103}, "Only Code B can contain the character a"},
    {"control character in B",
     u"\u00D1\u00D3",
     {104},
     "Only Code A can contain characters #211 through #242"},
    {"odd digits in C", u"\u00D2123", {105, 12}, "The Code C portion must contain an even number of digits"},
    {"a digit before a switch in C",
     u"\u00D21\u00CDA",
     {105},
     "The Code C portion must contain an even number of digits"},
    {"letters in C", u"\u00D212AB", {105, 12}, "The Code C portion must be numeric"},
    {"FNC3 in C", u"\u00D2\u00C9", {105}, "Code C does not utilize characters #201 through #204"},
    {"two shifts", u"\u00D0\u00CB\u00CBa", {103, 98}, "You cannot have two shift codes in a row"},
    {"a shift at the end", u"\u00D0A\u00CB", {103, 33, 98}, "A shift code must be followed by a character"},
    {"a raw control character fits no set",
     u"\u00D0\u0001",
     {103},
     "Code 128 cannot encode the character \u0001"},
    {"neither does a character past 242",
     u"\u00D1\u20AC",
     {104},
     "Code 128 cannot encode the character \u20AC"},
    {"nor one between 128 and 200", u"\u00D1\u0080", {104}, "Code 128 cannot encode the character \u0080"},
};

class SymbolTest : public testing::TestWithParam<SymbolCase> {};

TEST_P(SymbolTest, ValuesOrTheMessage) {
    const SymbolCase& c = GetParam();
    const Code128Symbols symbols = code128Symbols(QString::fromUtf16(c.data));
    EXPECT_EQ(symbols.error.toStdString(), c.error);
    EXPECT_EQ(symbols.values, c.values) << "the values read up to the error";
}

INSTANTIATE_TEST_SUITE_P(Code128, SymbolTest, testing::ValuesIn(kSymbolCases),
                         [](const auto& info) { return caseName(info.param.name); });

TEST(Code128, CheckValueWeighsByPosition) {
    // 104 + 65 x 1 + 66 x 2 = 301 = 2 x 103 + 95
    EXPECT_EQ(code128CheckValue({104, 65, 66}), 95);
    // Long data must not overflow the sum.
    EXPECT_EQ(code128CheckValue(std::vector<int>(100000, 99)), int((99 + 99 * (99999LL * 100000 / 2)) % 103));
}

TEST(Code128, ErrorsMakeTheBarcodeNotOk) {
    BarCodeSettings settings;
    settings.type = bcCode128;
    settings.data = QStringLiteral("abc");
    EXPECT_EQ(encodeBarCode(settings).message, "Code 128 must begin with a start code (#208, #209 or #210)");

    settings.autoEncode = true;
    settings.data = QString::fromUtf16(u"ab\u20AC");
    const BarCodeEncoding encoding = encodeBarCode(settings);
    EXPECT_FALSE(encoding.ok) << "AutoEncode cannot place a character that no set has";
    EXPECT_EQ(encoding.message, QString::fromUtf16(u"Code 128 cannot encode the character \u20AC"));
}

TEST(Code128, LongDataHasNoLengthLimit) {
    BarCodeSettings settings;
    settings.type = bcCode128;
    settings.autoEncode = true;
    settings.data = QStringLiteral("ab").repeated(5000);
    const BarCodeEncoding encoding = encodeBarCode(settings);
    ASSERT_TRUE(encoding.ok);
    // Start, 10000 characters and the check symbol of 11 modules each, and the stop's 13.
    EXPECT_EQ(encoding.bars.size(), size_t(10002 * 11 + 13));
}

} // namespace
