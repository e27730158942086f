#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>
#include <string_view>

// An 80-bit extended-precision float exactly as a component stream stores it:
// ten bytes, little-endian, a 64-bit mantissa with an explicit integer bit,
// then a 15-bit exponent biased by 16383 and the sign. The bytes are kept as
// read, so a value that only passes through (binary to text to binary, or a
// stream copied) comes out bit for bit.
class Extended80 {
public:
    static constexpr int kSize = 10;

    Extended80() = default;
    static Extended80 fromBytes(QByteArrayView tenBytes);
    // Exact: every double is an extended value.
    static Extended80 fromDouble(double value);
    // A decimal number ("-1.5", "2.5E-30"), rounded to the nearest extended
    // value; none for anything else or a value out of range.
    static std::optional<Extended80> fromText(std::string_view text);

    QByteArray bytes() const;
    // Rounded to the nearest double, halves to even; beyond the double range
    // an infinity. Invalid encodings (unnormals) give a NaN.
    double toDouble() const;
    // Zeros, denormals and normal numbers; not infinities, NaNs or the
    // encodings the 80-bit format leaves invalid.
    bool isFinite() const;
    // The text form: fixed notation with 18 decimals ("0.750000000000000000")
    // when that reads back as exactly this value, else the shortest
    // scientific notation that does. None when the value is not finite.
    // The one encoding that does not come back is the pseudo-denormal: it
    // reads back as the same number in its usual encoding.
    std::optional<QByteArray> toText() const;

    bool operator==(const Extended80& other) const = default;

private:
    std::array<unsigned char, kSize> bytes_{};
};
