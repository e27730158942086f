#pragma once

#include "TppTypes.h"

#include <QString>
#include <QVariant>

class CacheRecord;

// The value of a variable, one slot per data type: a variable's value is the
// slot of its DataType, and each accessor reads and writes its own slot.
// The three date kinds share one slot, a count of days since 30 December
// 1899; Currency counts ten-thousandths.
struct VariableSlots {
    bool boolean = false;
    int character = 0; // one UTF-16 unit
    qint64 currency = 0;
    double dateTime = 0;
    double number = 0; // Double
    long double extended = 0;
    int integer = 0;
    float single = 0;
    QString string;

    // Every slot empty; the date slot set to `now`.
    void Clear(double now);
    // The slot of `type` as a value: a number, a date and time, a Boolean or
    // a text; nothing for types past dtString.
    QVariant ValueOf(TppDataType type) const;
    // Converts `value` into the slot of `type`. An empty or null value is
    // ignored; one that does not convert raises EConvertError and leaves the
    // slot as it was. Nothing is stored for types past dtString.
    void Store(TppDataType type, const QVariant& value);
    // The slots a page record keeps: all but the text, which a record cannot hold.
    void CacheFields(CacheRecord& record);
};

// Whether a handler changed a value: another type, or another value.
bool valueChanged(const QVariant& before, const QVariant& after);
