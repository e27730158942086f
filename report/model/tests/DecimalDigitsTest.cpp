#include "DecimalDigits.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct DigitsCase {
    const char* name;
    long double value;
    const char* digits;
    int exponent;
};

// Doubles and long doubles take different roads to their digits; both must
// give the 18 significant digits of the exact binary value.
const DigitsCase kDigitsCases[] = {
    {"double tenth shows its binary tail", 0.1, "100000000000000006", 0},
    {"long double tenth is exact to 18 digits", 0.1L, "1", 0},
    {"double below the typed half", 2.675, "267499999999999982", 1},
    {"negative double", -123456.789, "123456789000000004", 6},
    {"largest double", std::numeric_limits<double>::max(), "179769313486231571", 309},
    {"smallest subnormal double", std::numeric_limits<double>::denorm_min(), "494065645841246544", -323},
    {"power of ten", 1e22, "1", 23},
    {"long double beyond double's range", 1e400L, "1", 401},
};

class DecimalDigitsTest : public testing::TestWithParam<DigitsCase> {};

TEST_P(DecimalDigitsTest, HoldsTheDigitsOfTheExactValue) {
    const DigitsCase& c = GetParam();
    const DecimalDigits d = DecimalDigits::of(c.value);
    EXPECT_EQ(d.digits.toStdString(), c.digits);
    EXPECT_EQ(d.exponent, c.exponent);
    EXPECT_EQ(d.negative, c.value < 0);
}

INSTANTIATE_TEST_SUITE_P(Values, DecimalDigitsTest, testing::ValuesIn(kDigitsCases), RowName());

} // namespace
