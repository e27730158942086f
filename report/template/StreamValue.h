#pragma once

#include "Extended80.h"
#include "ValueTag.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

struct StreamCollectionItem;

// One value of a component stream as stored: its tag and its payload, before
// a property gives it a meaning. The binary and the text form are both
// read into these and written from them, so converting between the forms
// reinterprets nothing.
class StreamValue {
public:
    ValueTag tag = ValueTag::Null;
    qint64 integer = 0;                           // Int8, Int16, Int32, Int64; Currency in ten-thousandths;
                                                  // Single as its 32 IEEE bits, kept as stored
    double number = 0;                            // Date
    Extended80 extended;                          // Extended
    QByteArray bytes;                             // String, LongString, Utf8String, Ident, Binary
    QString wide;                                 // WideString
    QList<QByteArray> elements;                   // Set
    std::vector<StreamValue> items;               // List
    std::vector<StreamCollectionItem> collection; // Collection

    // Values with the tag the writer chooses for them.
    // The smallest of Int8, Int16 and Int32 that holds the value, else Int64.
    static StreamValue fromInteger(qint64 value);
    // Text of a string property. Without characters above 255: String
    // (shorter than 256 bytes) or LongString when it is plain ASCII, else
    // Utf8String. With them it is a wide string: written as above when its
    // UTF-8 form is shorter than twice its length, else as WideString.
    static StreamValue fromString(const QString& text);
    // Code page bytes as they are: String when shorter than 256 bytes, else
    // LongString.
    static StreamValue fromAnsi(const QByteArray& bytes);
    // False, True, nil and Null (in any case) get their own tags.
    static StreamValue fromIdent(const QByteArray& identifier);
    static StreamValue fromBoolean(bool value);
    static StreamValue fromExtended(const Extended80& value);
    static StreamValue fromSingle(float value);
    static StreamValue fromCurrency(qint64 tenThousandths);
    static StreamValue fromDate(double days);
    static StreamValue fromBinary(const QByteArray& data);
    static StreamValue fromSet(const QList<QByteArray>& elements);
    static StreamValue withTag(ValueTag tag);

    float single() const;

    bool isInteger() const;
    bool isNumber() const; // an integer or any float
    bool isString() const;
    // The number of an integer or float value; 0 for others.
    double toDouble() const;
    // The text of a string value: ANSI bytes in the Western code page,
    // UTF-8, or UTF-16.
    QString toString() const;
};

struct StreamProperty {
    StreamProperty() = default;
    // Defined below, where StreamCollectionItem is complete: moving a value moves its collection.
    StreamProperty(QByteArray name, StreamValue value, QString place = QString());

    QByteArray name; // dotted for nested objects: "Font.Name"
    StreamValue value;
    // Where the reader found it ("at byte 120", "at line 7"), for messages
    // about it; empty for properties that were not read.
    QString place;
};

struct StreamCollectionItem {
    std::optional<StreamValue> index; // an integer, when one is stored
    std::vector<StreamProperty> properties;
};

inline StreamProperty::StreamProperty(QByteArray name, StreamValue value, QString place)
    : name(std::move(name)), value(std::move(value)), place(std::move(place)) {}
