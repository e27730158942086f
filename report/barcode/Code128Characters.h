#pragma once

// Code 128's non-printing symbols travel inside the data as single characters
// of code 201 and above, so a data field or a template can hold them.
namespace Code128Char {
constexpr char16_t Fnc3 = 201;
constexpr char16_t Fnc2 = 202;
constexpr char16_t Shift = 203;
constexpr char16_t CodeC = 204;
constexpr char16_t CodeB = 205; // FNC4 when already in code B
constexpr char16_t CodeA = 206; // FNC4 when already in code A
constexpr char16_t Fnc1 = 207;
constexpr char16_t StartA = 208;
constexpr char16_t StartB = 209;
constexpr char16_t StartC = 210;
// The control characters NUL to US of code set A.
constexpr char16_t FirstControl = 211;
constexpr char16_t LastControl = 242;
} // namespace Code128Char

// The symbol values of the specials, and of the start codes (start value 103,
// 104 or 105, also the first term of the checksum).
namespace Code128Value {
constexpr int Fnc3 = 96;
constexpr int Fnc2 = 97;
constexpr int Shift = 98;
constexpr int CodeC = 99;
constexpr int CodeB = 100;
constexpr int CodeA = 101;
constexpr int Fnc1 = 102;
constexpr int StartA = 103;
constexpr int StartB = 104;
constexpr int StartC = 105;
constexpr int Stop = 106;
} // namespace Code128Value
