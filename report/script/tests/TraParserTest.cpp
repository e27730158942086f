#include "TraParser.h"

#include <gtest/gtest.h>

namespace {

std::vector<TraToken> tokensOf(const char* source) {
    TraParser parser;
    parser.parse(QByteArray(source));
    return parser.tokens();
}

TEST(TraParser, ClassifiesWordsSymbolsAndTypeNames) {
    const std::vector<TraToken> tokens =
        tokensOf("Begin x:=y<>z; Integer TDate Boolean TppBarCodeType .. ^ $");
    const TraTokenType expected[] = {ttBegin,      ttIdentifier, ttColonEqual, ttIdentifier, ttNe,
                                     ttIdentifier, ttSemiColon,  ttType,       ttType,       ttType,
                                     ttType,       ttDotDot,     ttUpArrow,    ttUnknown};
    ASSERT_EQ(tokens.size(), std::size(expected));
    for (size_t i = 0; i < tokens.size(); ++i)
        EXPECT_EQ(tokens[i].type, expected[i])
            << "token " << i << " '" << tokens[i].text.toStdString() << "'";
    EXPECT_EQ(tokens[7].dataType, daInteger);
    EXPECT_EQ(tokens[8].dataType, daDate);
    EXPECT_EQ(tokens[9].dataType, daBoolean);
    EXPECT_EQ(tokens[10].dataType, daEnum) << "an enumeration keeps its type";
    EXPECT_GE(tokens[10].enumType, 0);
}

struct NumberCase {
    const char* name;
    const char* source;
    std::vector<TraTokenType> kinds;
    long double firstValue;
};

// Each row names the rule of the number reader it exercises.
const NumberCase kNumbers[] = {
    {"integer", "42", {ttNumber}, 42},
    {"real with exponent", "1.5E3", {ttNumber}, 1500},
    {"negative exponent", "1.5e-3", {ttNumber}, 0.0015L},
    {"a point alone makes a real", "1.", {ttNumber}, 1},
    {"E only after a point", "2e3", {ttNumber, ttIdentifier}, 2},
    {"two dots are a range", "1..5", {ttNumber, ttDotDot, ttNumber}, 1},
    {"a second point is malformed", "1.2.3", {ttError}, 0},
    {"beyond 32 bits is malformed", "3000000000", {ttError}, 0},
    {"exponent without digits is malformed", "1.5E", {ttError}, 0},
};

class NumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberTest, ReadsNumbers) {
    const NumberCase& c = GetParam();
    const std::vector<TraToken> tokens = tokensOf(c.source);
    ASSERT_EQ(tokens.size(), c.kinds.size()) << c.name;
    for (size_t i = 0; i < tokens.size(); ++i)
        EXPECT_EQ(tokens[i].type, c.kinds[i]) << c.name << ", token " << i;
    if (tokens[0].type == ttNumber) {
        const long double value =
            tokens[0].dataType == daInteger ? (long double)tokens[0].intValue : tokens[0].floatValue;
        EXPECT_EQ(value, c.firstValue) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberTest, testing::ValuesIn(kNumbers));

TEST(TraParser, ReadsStringsWithDoubledQuotes) {
    const std::vector<TraToken> tokens = tokensOf("'It''s' '' 'x';");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].text, "It's");
    EXPECT_EQ(tokens[1].text, "");
    EXPECT_EQ(tokens[2].dataType, daString) << "a one-character literal is a string, not a char";
}

TEST(TraParser, ReportsUnterminatedStringsAsSyntaxErrors) {
    for (const char* source : {"x := 'abc", "x := 'abc\n;"}) {
        TraParser parser;
        parser.parse(QByteArray(source));
        ASSERT_EQ(parser.syntaxErrors().size(), 1u) << source;
        const TraToken& malformed = parser.tokens()[size_t(parser.syntaxErrors()[0])];
        EXPECT_EQ(malformed.type, ttError) << source;
        EXPECT_EQ(malformed.text, "'abc") << "a string ends at the end of its line";
    }
    TraParser parser;
    parser.parse("x := 'abc'");
    ASSERT_EQ(parser.syntaxErrors().size(), 1u) << "a string closed by the end of the source is cut off";
    EXPECT_EQ(parser.tokens()[size_t(parser.syntaxErrors()[0])].text, "'abc'");
}

TEST(TraParser, CountsLinesAtCrLfAndCrLfAlike) {
    // Each line break style once; comments may span lines; a tab is one column.
    const std::vector<TraToken> tokens = tokensOf("a\rb\nc\r\nd { one\r\ntwo }\te {unclosed");
    ASSERT_EQ(tokens.size(), 5u) << "comments are dropped, an unclosed one runs to the end";
    const int lines[] = {1, 2, 3, 4, 5};
    const int columns[] = {0, 0, 0, 0, 6};
    for (size_t i = 0; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens[i].lineNo, lines[i]) << tokens[i].text.toStdString();
        EXPECT_EQ(tokens[i].charPos, columns[i]) << tokens[i].text.toStdString();
    }
}

} // namespace
