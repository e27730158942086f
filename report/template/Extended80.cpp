#include "Extended80.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>

// The host's long double is the same 80-bit format (x86-64), so converting
// and printing are the hardware's and the C++ library's, exactly rounded.
static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "long double must be the 80-bit extended format");

namespace {

long double toLongDouble(const std::array<unsigned char, Extended80::kSize>& bytes) {
    long double value = 0;
    std::memcpy(&value, bytes.data(), Extended80::kSize);
    return value;
}

Extended80 fromLongDouble(long double value) {
    char bytes[Extended80::kSize];
    std::memcpy(bytes, &value, Extended80::kSize);
    return Extended80::fromBytes(QByteArrayView(bytes, Extended80::kSize));
}

int exponentBits(const std::array<unsigned char, Extended80::kSize>& bytes) {
    return (bytes[9] & 0x7F) << 8 | bytes[8];
}

bool integerBit(const std::array<unsigned char, Extended80::kSize>& bytes) {
    return bytes[7] & 0x80;
}

} // namespace

Extended80 Extended80::fromBytes(QByteArrayView tenBytes) {
    Extended80 value;
    std::memcpy(value.bytes_.data(), tenBytes.data(), std::min<qsizetype>(tenBytes.size(), kSize));
    return value;
}

Extended80 Extended80::fromDouble(double value) {
    return fromLongDouble(value);
}

std::optional<Extended80> Extended80::fromText(std::string_view text) {
    // The C library's parser: the C++ one refuses denormals as out of range.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const std::string_view digits = !text.empty() && text.front() == '-' ? text.substr(1) : text;
    if (digits.empty() || !isDigit(digits.front()) || !std::all_of(digits.begin(), digits.end(), [&](char c) {
            return isDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
        }))
        return std::nullopt;
    const std::string terminated(text);
    char* end = nullptr;
    const long double value = strtold_l(terminated.c_str(), &end, cLocale);
    if (end != terminated.c_str() + terminated.size() || std::isinf(value))
        return std::nullopt;
    return fromLongDouble(value);
}

QByteArray Extended80::bytes() const {
    return QByteArray(reinterpret_cast<const char*>(bytes_.data()), kSize);
}

bool Extended80::isFinite() const {
    const int exponent = exponentBits(bytes_);
    if (exponent == 0x7FFF)
        return false;
    // A non-zero exponent needs the integer bit; without it the value is an
    // "unnormal", which the hardware refuses.
    return exponent == 0 || integerBit(bytes_);
}

double Extended80::toDouble() const {
    if (!isFinite()) {
        const bool infinity =
            exponentBits(bytes_) == 0x7FFF && bytes_[7] == 0x80 &&
            std::all_of(bytes_.begin(), bytes_.begin() + 7, [](unsigned char b) { return b == 0; });
        if (!infinity)
            return std::numeric_limits<double>::quiet_NaN();
        return bytes_[9] & 0x80 ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    }
    const long double value = toLongDouble(bytes_);
    // Past the largest double by half a unit or more the conversion overflows;
    // saying so here keeps the conversion itself within the double range.
    constexpr long double overflow = 0x1.fffffffffffff8p1023L;
    if (std::fabs(value) >= overflow)
        return std::signbit(value) ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
    return double(value);
}

std::optional<QByteArray> Extended80::toText() const {
    if (!isFinite())
        return std::nullopt;
    // A "pseudo-denormal" (exponent 0 with the integer bit) is the normal
    // number with exponent 1 spelt another way; the text is that number's.
    Extended80 canonical = *this;
    if (exponentBits(bytes_) == 0 && integerBit(bytes_))
        canonical.bytes_[8] = 1;
    const long double value = toLongDouble(canonical.bytes_);
    char buffer[64];
    const auto readsBack = [&](const char* end) {
        return fromText(std::string_view(buffer, size_t(end - buffer))) == canonical;
    };
    if (std::fabs(value) < 1e18L) {
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 18);
        if (error == std::errc() && readsBack(end))
            return QByteArray(buffer, end - buffer);
    }
    // 21 significant digits tell any two extended values apart, and more
    // digits never stop a value reading back, so the fewest are searched
    // for by halves.
    const auto scientific = [&](int decimals) {
        return std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, decimals)
            .ptr;
    };
    int low = 0;
    int high = 20;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (readsBack(scientific(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    const char* end = scientific(low);
    return QByteArray(buffer, end - buffer);
}
