#pragma once

#include <QtGlobal>

// The byte before every value of a component stream, saying how its payload
// is encoded. Their numbers are the stored format.
enum class ValueTag : quint8 {
    Null = 0, // also the end of every list
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5, // 80-bit float
    String = 6,   // 1 length byte, ANSI
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LongString = 12, // 4 length bytes, ANSI
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16, // 64-bit integer, value x 10 000
    Date = 17,     // double, days since 30 December 1899
    WideString = 18,
    Int64 = 19,
    Utf8String = 20,
};

constexpr quint8 kLastValueTag = quint8(ValueTag::Utf8String);

// Objects may be preceded by a byte F0h OR these flags.
enum ObjectFlag : unsigned {
    ofInherited = 1,     // "inherited" in the text form
    ofChildPosition = 2, // a tagged integer follows: the position in square brackets
    ofInline = 4         // "inline" in the text form
};
constexpr quint8 kObjectPrefixMask = 0xF0;
