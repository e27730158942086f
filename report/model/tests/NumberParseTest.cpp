#include "NumberParse.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberParse, FloatAcceptsWhatUsersType) {
    const FormatSettings s = FormatSettings::invariant();
    const struct {
        const char* text;
        long double expected;
    } accepted[] = {{"10000", 10000}, {"6", 6},  {"-2.5", -2.5L}, {"+3", 3},
                    {".5", 0.5L},     {"5.", 5}, {"1.5E3", 1500}};
    for (const auto& c : accepted) {
        const auto value = parseFloat(QString::fromLatin1(c.text), s);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
    }
}

TEST(NumberParse, FloatRefusesWhatIsNotANumber) {
    const FormatSettings s = FormatSettings::invariant();
    for (const char* text : {"", "abc", ".", "1,000", " 5", "5 ", "1e", "1e+", "--1", "1.2.3", "1e99999"})
        EXPECT_FALSE(parseFloat(QString::fromLatin1(text), s).has_value()) << '"' << text << '"';
}

TEST(NumberParse, FloatReadsTheLocaleDecimalSeparator) {
    FormatSettings german = FormatSettings::invariant();
    german.decimalSeparator = u',';
    EXPECT_EQ(parseFloat(QStringLiteral("2,5"), german), 2.5L);
    EXPECT_FALSE(parseFloat(QStringLiteral("2.5"), german).has_value());
}

TEST(NumberParse, Int32) {
    EXPECT_EQ(parseInt32(QStringLiteral("12")), 12);
    EXPECT_EQ(parseInt32(QStringLiteral("-2147483648")), std::numeric_limits<qint32>::min());
    for (const char* text : {"12.5", "", "2147483648", "1e3", " 12", "12 ", "x"})
        EXPECT_FALSE(parseInt32(QString::fromLatin1(text)).has_value()) << '"' << text << '"';
}

} // namespace
