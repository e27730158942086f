#include "TraDataType.h"

bool isRealLike(TraDataType type) {
    switch (type) {
    case daInteger:
    case daSingle:
    case daDouble:
    case daExtended:
    case daCurrency:
    case daDateTime:
    case daDate:
    case daTime:
        return true;
    default:
        return false;
    }
}

bool typesCompatible(TraDataType a, TraDataType b) {
    if (a == daUnknown || b == daUnknown || a == b)
        return true;
    auto bothIn = [&](std::initializer_list<TraDataType> types) {
        bool hasA = false;
        bool hasB = false;
        for (TraDataType t : types) {
            hasA = hasA || t == a;
            hasB = hasB || t == b;
        }
        return hasA && hasB;
    };
    if (bothIn({daObject, daClass}) || bothIn({daInteger, daEnum}) || bothIn({daChar, daString}))
        return true;
    if (isRealLike(a) && isRealLike(b))
        return true;
    const TraDataType other = a == daVariant ? b : b == daVariant ? a : daMethod;
    return other != daMethod;
}

QByteArray dataTypeName(TraDataType type) {
    static const char* const names[] = {"Unknown", "Integer", "Single",   "Double", "Extended", "Currency",
                                        "Char",    "String",  "DateTime", "Date",   "Time",     "Boolean",
                                        "Variant", "Object",  "Class",    "Enum",   "Method"};
    return QByteArray(names[type]);
}
