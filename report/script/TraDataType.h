#pragma once

#include <QByteArray>
#include <QtGlobal>

// The data types of script values; the ordinals are fixed.
enum TraDataType : quint8 {
    daUnknown,
    daInteger,
    daSingle,
    daDouble,
    daExtended,
    daCurrency,
    daChar,
    daString,
    daDateTime,
    daDate,
    daTime,
    daBoolean,
    daVariant,
    daObject,
    daClass,
    daEnum,
    daMethod,
};

// Whether values of the two types may meet in one expression; symmetric. An
// Integer and an object never meet: a number is not an object reference.
bool typesCompatible(TraDataType a, TraDataType b);

// Integer, Single, Double, Extended, Currency and the three date types.
bool isRealLike(TraDataType type);

// "Integer", "String", "DateTime" ...: the type's name without its prefix.
QByteArray dataTypeName(TraDataType type);
