#pragma once

#include <string_view>

// The three seven-module digit sets of UPC and EAN symbols, named by the
// letters their parity tables use: A odd parity (left-hand), B even parity,
// C right-hand.
enum class UpcEanSet { A, B, C };

std::string_view upcEanDigitModules(UpcEanSet set, int digit);

// 'A' or 'B' of a parity table entry such as "BBAABA".
inline UpcEanSet paritySet(char letter) {
    return letter == 'B' ? UpcEanSet::B : UpcEanSet::A;
}
