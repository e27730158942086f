#pragma once

#include "TraDataType.h"
#include "TraTokenType.h"

#include <QByteArray>

class ClassInfo;

// One token of a script's source. Script text is 8-bit: `text` holds the bytes
// as read (a string literal's decoded value, without its quotes).
struct TraToken {
    TraTokenType type = ttUnknown;
    TraDataType dataType = daUnknown; // numbers, strings and type names
    QByteArray text;
    int lineNo = 0;  // 1-based
    int charPos = 0; // 0-based byte column
    qint32 intValue = 0;
    long double floatValue = 0;
    int enumType = -1;                   // a type name of an enumeration (Boolean included)
    const ClassInfo* classRef = nullptr; // a class name
    bool malformed = false;
};
