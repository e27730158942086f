#include "UpcEanDigitSets.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 10> kSetA = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                                    "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr std::array<std::string_view, 10> kSetB = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                                    "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr std::array<std::string_view, 10> kSetC = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                                    "1001110", "1010000", "1000100", "1001000", "1110100"};

} // namespace

std::string_view upcEanDigitModules(UpcEanSet set, int digit) {
    const auto index = static_cast<size_t>(digit);
    switch (set) {
    case UpcEanSet::A:
        return kSetA.at(index);
    case UpcEanSet::B:
        return kSetB.at(index);
    case UpcEanSet::C:
        return kSetC.at(index);
    }
    return {};
}
