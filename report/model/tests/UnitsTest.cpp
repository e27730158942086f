#include "Units.h"
#include "FixedResolution.h"

#include <gtest/gtest.h>

namespace {

struct ToMMCase {
    const char* name;
    float value;
    TppUnitType unit;
    int expected;
};

TEST(UnitsTest, ToThousandthsOfAMillimetre) {
    const ToMMCase cases[] = {
        {"8.5 in, a Letter width", 8.5f, utInches, 215900},
        {"11 in, single factor 0.03937 gives one more than 279400", 11.0f, utInches, 279401},
        {"96 screen pixels are one inch", 96.0f, utScreenPixels, 25400},
        {"2.5 mm", 2.5f, utMillimeters, 2500},
        {"thousandths are truncated, not rounded", 2.5f, utMMThousandths, 2},
        {"negative thousandths truncate towards zero", -2.7f, utMMThousandths, -2},
        {"an unknown unit gives 0", 1.0f, TppUnitType(17), 0},
    };
    for (const ToMMCase& c : cases)
        EXPECT_EQ(UnitsToMM(c.value, c.unit), c.expected) << c.name;
}

TEST(UnitsTest, FromThousandthsOfAMillimetre) {
    EXPECT_FLOAT_EQ(UnitsFromMM(279401, utInches), 11.0f) << "inches to four decimals";
    EXPECT_FLOAT_EQ(UnitsFromMM(25400, utScreenPixels), 96.0f);
    EXPECT_FLOAT_EQ(UnitsFromMM(1234, utMillimeters), 1.234f) << "millimetres are not rounded";
    EXPECT_FLOAT_EQ(UnitsFromMM(1234, utMMThousandths), 1234.0f);
    EXPECT_FLOAT_EQ(UnitsFromMM(1234, TppUnitType(9)), 0.0f);
}

TEST(UnitsTest, PixelsRoundHalvesToEvenAndTakeTheAxis) {
    const FixedResolution printer(600, 300);
    // 12700 thousandths are half an inch (give or take the single factor):
    // 0.5000 x 300 = 150, x 600 = 300, on the report's screen 96 x 0.5 = 48.
    EXPECT_FLOAT_EQ(UnitsFromMM(12700, utPrinterPixels, Axis::Horizontal, &printer), 300.0f);
    EXPECT_FLOAT_EQ(UnitsFromMM(12700, utPrinterPixels, Axis::Vertical, &printer), 150.0f);
    EXPECT_FLOAT_EQ(UnitsFromMM(12700, utPrinterPixels, Axis::Vertical), 48.0f) << "no printer: the screen's";
    EXPECT_FLOAT_EQ(UnitsFromMM(12700, utScreenPixels, Axis::Vertical), 48.0f);
    EXPECT_EQ(roundHalfEven(2.5L), 2.0L);
    EXPECT_EQ(roundHalfEven(3.5L), 4.0L);
    EXPECT_EQ(roundHalfEven(-2.5L), -2.0L);
}

TEST(UnitsTest, TenthsOfAMillimetre) {
    EXPECT_FLOAT_EQ(TenthsMMToUnits(2159, utMillimeters), 216.0f) << "whole millimetres, 215.9 rounded";
    EXPECT_FLOAT_EQ(TenthsMMToUnits(2159, utMMThousandths), 215900.0f);
    EXPECT_FLOAT_EQ(TenthsMMToUnits(2159, utInches), 8.5f) << "816 screen pixels are 8.5 in";
    EXPECT_EQ(UnitsToTenthsMM(215.94f, utMillimeters), 2159);
    EXPECT_EQ(UnitsToTenthsMM(215900.0f, utMMThousandths), 2159);
    EXPECT_EQ(UnitsToTenthsMM(8.5f, utInches), 2159);
    EXPECT_EQ(UnitsToTenthsMM(96.0f, utScreenPixels), 254);
}

TEST(UnitsTest, FitScaleNeedsAPositiveBoxAndPicture) {
    EXPECT_FLOAT_EQ(FitScale(200, 100, 100, 100), 0.5f);
    EXPECT_FLOAT_EQ(FitScale(200, 100, 0, 100), 0.0f);
    EXPECT_FLOAT_EQ(FitScale(0, 0, 100, 100), 0.0f) << "an empty picture has no scale";
}

} // namespace
