#pragma once

#include "TraDataType.h"

#include <QByteArray>
#include <optional>

class ClassInfo;

// Words that name a type: the built-in types ("Integer", "TDateTime" ...) and
// the enumerations scripts know (Boolean among them). Classes of report objects
// join when the object bridge registers them.
struct TraTypeName {
    TraDataType dataType = daUnknown;
    int enumType = -1;                   // for Boolean and the other enumerations
    const ClassInfo* classRef = nullptr; // for the classes of report objects
};

class TraTypeNames {
public:
    static std::optional<TraTypeName> find(const QByteArray& word);
};
