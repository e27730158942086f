#include "NumberFormat.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

struct PictureCase {
    const char* name;
    const char* picture;
    long double value;
    const char* expected;
};

// Each row names the picture feature it exercises.
const PictureCase kPictureCases[] = {
    {"two decimals with thousands", "#,0.00", 10327.973L, "10,327.97"},
    {"literal suffix", "#,0 months to pay", 360, "360 months to pay"},
    {"literal percent sign is not a scale", "#,0.00%", 6, "6.00%"},
    {"millions get two separators", "#,0.00", 1234567.891L, "1,234,567.89"},
    {"half rounds away from zero", "0.00", 0.125L, "0.13"},
    {"negative half rounds away from zero", "0.00", -0.125L, "-0.13"},
    {"digits of the binary value decide, not the typed text", "0.00", 2.675, "2.67"},
    {"round up carries into a new digit", "#,0.00", 999.999L, "1,000.00"},
    {"optional digits drop trailing zeros", "0.##", 1.5L, "1.5"},
    {"optional digits drop the decimal point", "0.##", 1, "1"},
    {"only optional digits print nothing for zero", "#", 0, ""},
    {"no integer placeholder still prints the integer", ".00", 12.5L, "12.50"},
    {"leading zeros forced", "000", 7, "007"},
    {"extra digits go to the first placeholder", "0", 12345, "12345"},
    {"literals between digits", "00-00", 1234, "12-34"},
    {"negative section without sign", "#,0.00;(#,0.00)", -1234.4L, "(1,234.40)"},
    {"positive with negative section", "#,0.00;(#,0.00)", 1234.4L, "1,234.40"},
    {"zero section", "0.00;(0.00);nil", 0, "nil"},
    {"rounded to zero uses zero section", "0.00;(0.00);nil", -0.001L, "nil"},
    {"rounded to zero has no minus sign", "0.00", -0.001L, "0.00"},
    {"empty negative section falls back with sign", "0.0;;zero", -2.5L, "-2.5"},
    {"quoted text is literal", "0 'pct #0'", 5, "5 pct #0"},
    {"double quoted text is literal", "\"$\"0.00", 5, "$5.00"},
    {"semicolon inside quotes is not a section", "0' a;b'", 5, "5 a;b"},
    {"scientific", "0.00E+00", 1234.5L, "1.23E+03"},
    {"scientific negative exponent", "0.0E-0", 0.00012L, "1.2E-4"},
    {"scientific plain sign omits plus", "0.0E-00", 1500, "1.5E03"},
    {"minus before literals of the first section", "$#,0", -5, "-$5"},
    {"empty picture is general text", "", 0.1L, "0.1"},
};

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, Formats) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(formatFloat(QString::fromUtf8(c.picture), c.value, FormatSettings::invariant()).toStdString(),
              c.expected)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest, testing::ValuesIn(kPictureCases), RowName());

TEST(NumberFormat, UsesTheInjectedSeparators) {
    FormatSettings german = FormatSettings::invariant();
    german.decimalSeparator = u',';
    german.thousandSeparator = u'.';
    EXPECT_EQ(formatFloat(QStringLiteral("#,0.00"), 10327.973L, german), QStringLiteral("10.327,97"));
    EXPECT_EQ(formatGeneral(0.5L, german), QStringLiteral("0,5"));
}

TEST(NumberFormat, GeneralTextTable) {
    const FormatSettings s = FormatSettings::invariant();
    const struct {
        long double value;
        const char* expected;
    } cases[] = {
        {860.664, "860.664"},                    // a stored double prints as typed
        {50, "50"},                              // no decimal point for whole numbers
        {-0.25L, "-0.25"},                       //
        {1.0L / 3, "0.333333333333333"},         // 15 significant digits
        {999999999999999.0L, "999999999999999"}, // 15 integer digits: still fixed
        {1e15L, "1E15"},                         // 16 integer digits: scientific
        {0.00001L, "0.00001"},                   // smallest fixed value
        {0.0000015L, "1.5E-6"},                  // below it: scientific
        {0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.value, s).toStdString(), c.expected) << double(c.value);
}

TEST(NumberFormat, NotANumberAndInfinity) {
    const FormatSettings s = FormatSettings::invariant();
    EXPECT_EQ(formatFloat(QStringLiteral("0.00"), std::numeric_limits<long double>::quiet_NaN(), s), "NAN");
    EXPECT_EQ(formatFloat(QStringLiteral("0.00"), -std::numeric_limits<long double>::infinity(), s), "-INF");
}

TEST(NumberFormat, CurrencyTextTable) {
    FormatSettings dollars = FormatSettings::invariant(); // "$1", negatives "($1)"
    FormatSettings euros = FormatSettings::invariant();
    euros.currencyString = QStringLiteral("EUR");
    euros.currencyFormat = 3;    // "1 $"
    euros.negCurrencyFormat = 8; // "-1 $"
    euros.decimalSeparator = u',';
    euros.thousandSeparator = u'.';
    const struct {
        const char* name;
        long double value;
        int decimals;
        const FormatSettings& settings;
        const char* expected;
    } cases[] = {
        {"symbol first, thousands grouped", 1234.4L, 2, dollars, "$1,234.40"},
        {"negative in parentheses", -1234.4L, 2, dollars, "($1,234.40)"},
        {"no decimals rounds half away from zero", 1234.5L, 0, dollars, "$1,235"},
        {"zero keeps its decimals", 0, 2, dollars, "$0.00"},
        {"rounded to zero has no sign", -0.001L, 2, dollars, "$0.00"},
        {"symbol after with a blank, locale separators", 1234567.891L, 2, euros, "1.234.567,89 EUR"},
        {"negative symbol after", -5, 1, euros, "-5,0 EUR"},
        {"15 significant digits before the decimals", 123456789012.3456789L, 4, dollars,
         "$123,456,789,012.3460"},
        {"beyond 15 integer digits the general text", 1e16L, 2, dollars, "1E16"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCurrency(c.value, c.decimals, c.settings).toStdString(), c.expected) << c.name;
}

} // namespace
