#include "Extended80.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

Extended80 fromHex(const char* hex) {
    return Extended80::fromBytes(QByteArray::fromHex(hex));
}

TEST(Extended80Test, DoublesBecomeTheirExactTenBytes) {
    struct Row {
        double value;
        const char* bytes; // mantissa little-endian, then exponent and sign
        const char* why;
    };
    const Row rows[] = {
        {0.75, "000000000000 00c0 fe3f", "1.1b x 2^-1: explicit integer bit, exponent 16382"},
        {1.0, "000000000000 0080 ff3f", "the bias is 16383"},
        {-2.5, "000000000000 00a0 00c0", "sign in the top bit"},
        {0.0, "000000000000 0000 0000", ""},
        {-0.0, "000000000000 0000 0080", "negative zero keeps its sign"},
        {4.9406564584124654e-324, "000000000000 0080 cd3b",
         "the smallest double is a normal extended number"},
        {0.1, "00d0cccccccc cccc fb3f", "the double nearest 0.1, padded with zero bits"},
    };
    for (const Row& row : rows) {
        const QByteArray expected = QByteArray::fromHex(QByteArray(row.bytes).replace(' ', ""));
        EXPECT_EQ(Extended80::fromDouble(row.value).bytes().toHex(), expected.toHex())
            << row.value << ": " << row.why;
        EXPECT_EQ(Extended80::fromBytes(expected).toDouble(), row.value) << row.why;
        EXPECT_EQ(std::signbit(Extended80::fromBytes(expected).toDouble()), std::signbit(row.value));
    }
}

TEST(Extended80Test, NarrowingToDoubleRoundsHalvesToEven) {
    // 1 + 2^-53 lies halfway between 1 and the next double: even is 1.
    EXPECT_EQ(fromHex("0004000000000080ff3f").toDouble(), 1.0);
    // 1 + 3 x 2^-53 lies halfway between 1 + 2^-52 and 1 + 2^-51: even is the latter.
    EXPECT_EQ(fromHex("000c000000000080ff3f").toDouble(), 1.0 + 0x1p-51);
    // Just above halfway rounds up.
    EXPECT_EQ(fromHex("0104000000000080ff3f").toDouble(), 1.0 + 0x1p-52);
    EXPECT_EQ(Extended80::fromDouble(DBL_MAX).toDouble(), DBL_MAX);
    EXPECT_EQ(fromHex("ffffffffffffffff fe7f").toDouble(), HUGE_VAL)
        << "the largest extended value overflows";
    EXPECT_EQ(fromHex("0000000000000080 0000").toDouble(), 0.0) << "a pseudo-denormal far below the doubles";
}

TEST(Extended80Test, InfinitiesNaNsAndInvalidEncodingsAreNotFinite) {
    struct Row {
        const char* name;
        const char* bytes;
        double asDouble; // NaN where a NaN is expected
    };
    const Row rows[] = {
        {"infinity", "0000000000000080ff7f", HUGE_VAL},
        {"negative infinity", "0000000000000080ffff", -HUGE_VAL},
        {"quiet NaN", "00000000000000c0ff7f", NAN},
        {"pseudo-infinity: no integer bit", "0000000000000000ff7f", NAN},
        {"unnormal: an exponent without the integer bit", "0000000000000040ff3f", NAN},
    };
    for (const Row& row : rows) {
        const Extended80 value = fromHex(row.bytes);
        EXPECT_FALSE(value.isFinite()) << row.name;
        EXPECT_FALSE(value.toText()) << row.name << ": the text form has no such number";
        if (std::isnan(row.asDouble))
            EXPECT_TRUE(std::isnan(value.toDouble())) << row.name;
        else
            EXPECT_EQ(value.toDouble(), row.asDouble) << row.name;
    }
}

TEST(Extended80Test, TextIsFixedWith18DecimalsWhenThatIsExact) {
    struct Row {
        Extended80 value;
        const char* text;
        const char* why;
    };
    const Row rows[] = {
        {Extended80::fromDouble(0.75), "0.750000000000000000", ""},
        {Extended80::fromDouble(-12.5), "-12.500000000000000000", ""},
        {Extended80::fromDouble(0), "0.000000000000000000", ""},
        {*Extended80::fromText("0.1"), "0.100000000000000000",
         "the extended value nearest 0.1 is what 0.1 reads as"},
        {*Extended80::fromText("1e-30"), "1e-30", "18 decimals would read back as 0"},
        {*Extended80::fromText("2.5e300"), "2.5e+300", "fixed notation is for values below 10^18"},
        {Extended80::fromDouble(0.1), "1.0000000000000000555e-01",
         "a double's 0.1 needs 20 digits to be told from its extended neighbours"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.value.toText().value_or("none"), row.text) << row.why;
        EXPECT_EQ(Extended80::fromText(row.text), row.value) << row.text << " reads back bit for bit";
    }
    EXPECT_EQ(fromHex("0000000000000080 0000").toText(), fromHex("0000000000000080 0100").toText())
        << "a pseudo-denormal is written as the normal number it equals";
    EXPECT_FALSE(Extended80::fromText("1.5x"));
    EXPECT_FALSE(Extended80::fromText("1e99999")) << "beyond the extended range";
    EXPECT_FALSE(Extended80::fromText(""));
}

TEST(Extended80Test, EveryFiniteValueReadsBackFromItsText) {
    // Random mantissas over the whole exponent range, denormals included.
    quint64 state = 0x9E3779B97F4A7C15ull;
    const auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 3000; ++i) {
        const quint64 mantissa = next();
        const int exponent = int(next() % 0x7FFF);
        const bool negative = next() & 1;
        char bytes[10];
        const quint64 withIntegerBit = exponent ? mantissa | (1ull << 63) : mantissa & ~(1ull << 63);
        std::memcpy(bytes, &withIntegerBit, 8);
        const quint16 top = quint16(exponent | (negative ? 0x8000 : 0));
        std::memcpy(bytes + 8, &top, 2);
        const Extended80 value = Extended80::fromBytes(QByteArrayView(bytes, 10));
        const std::optional<QByteArray> text = value.toText();
        ASSERT_TRUE(text) << QByteArray(bytes, 10).toHex().constData();
        ASSERT_EQ(Extended80::fromText(text->toStdString()), value)
            << QByteArray(bytes, 10).toHex().constData() << " written as " << text->constData();
    }
}

} // namespace
