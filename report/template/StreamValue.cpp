#include "StreamValue.h"

#include "AnsiText.h"

#include <bit>

StreamValue StreamValue::withTag(ValueTag tag) {
    StreamValue value;
    value.tag = tag;
    return value;
}

StreamValue StreamValue::fromInteger(qint64 number) {
    StreamValue value;
    value.integer = number;
    if (number >= -128 && number <= 127)
        value.tag = ValueTag::Int8;
    else if (number >= -32768 && number <= 32767)
        value.tag = ValueTag::Int16;
    else if (number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max())
        value.tag = ValueTag::Int32;
    else
        value.tag = ValueTag::Int64;
    return value;
}

StreamValue StreamValue::fromString(const QString& text) {
    const bool wide = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    const QByteArray utf8 = text.toUtf8();
    if (wide && utf8.size() >= 2 * text.size()) {
        StreamValue value = withTag(ValueTag::WideString);
        value.wide = text;
        return value;
    }
    // Plain ASCII is the same in the code page and in UTF-8.
    StreamValue value;
    value.tag = !isAscii(text)      ? ValueTag::Utf8String
                : utf8.size() < 256 ? ValueTag::String
                                    : ValueTag::LongString;
    value.bytes = utf8;
    return value;
}

StreamValue StreamValue::fromAnsi(const QByteArray& bytes) {
    StreamValue value = withTag(bytes.size() < 256 ? ValueTag::String : ValueTag::LongString);
    value.bytes = bytes;
    return value;
}

StreamValue StreamValue::fromIdent(const QByteArray& identifier) {
    const auto is = [&](const char* word) { return identifier.compare(word, Qt::CaseInsensitive) == 0; };
    if (is("False"))
        return withTag(ValueTag::False);
    if (is("True"))
        return withTag(ValueTag::True);
    if (is("nil"))
        return withTag(ValueTag::Nil);
    if (is("Null"))
        return withTag(ValueTag::Null);
    StreamValue value = withTag(ValueTag::Ident);
    value.bytes = identifier;
    return value;
}

StreamValue StreamValue::fromBoolean(bool flag) {
    return withTag(flag ? ValueTag::True : ValueTag::False);
}

StreamValue StreamValue::fromExtended(const Extended80& number) {
    StreamValue value = withTag(ValueTag::Extended);
    value.extended = number;
    return value;
}

StreamValue StreamValue::fromSingle(float number) {
    StreamValue value = withTag(ValueTag::Single);
    value.integer = std::bit_cast<quint32>(number);
    return value;
}

float StreamValue::single() const {
    return std::bit_cast<float>(quint32(integer));
}

StreamValue StreamValue::fromCurrency(qint64 tenThousandths) {
    StreamValue value = withTag(ValueTag::Currency);
    value.integer = tenThousandths;
    return value;
}

StreamValue StreamValue::fromDate(double days) {
    StreamValue value = withTag(ValueTag::Date);
    value.number = days;
    return value;
}

StreamValue StreamValue::fromBinary(const QByteArray& data) {
    StreamValue value = withTag(ValueTag::Binary);
    value.bytes = data;
    return value;
}

StreamValue StreamValue::fromSet(const QList<QByteArray>& elements) {
    StreamValue value = withTag(ValueTag::Set);
    value.elements = elements;
    return value;
}

bool StreamValue::isInteger() const {
    return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32 ||
           tag == ValueTag::Int64;
}

bool StreamValue::isNumber() const {
    return isInteger() || tag == ValueTag::Extended || tag == ValueTag::Single || tag == ValueTag::Currency ||
           tag == ValueTag::Date;
}

bool StreamValue::isString() const {
    return tag == ValueTag::String || tag == ValueTag::LongString || tag == ValueTag::WideString ||
           tag == ValueTag::Utf8String;
}

double StreamValue::toDouble() const {
    if (isInteger())
        return double(integer);
    switch (tag) {
    case ValueTag::Extended:
        return extended.toDouble();
    case ValueTag::Single:
        return single();
    case ValueTag::Date:
        return number;
    case ValueTag::Currency:
        return double(integer) / 10000.0;
    default:
        return 0;
    }
}

QString StreamValue::toString() const {
    switch (tag) {
    case ValueTag::String:
    case ValueTag::LongString:
        return decodeAnsi(bytes);
    case ValueTag::Utf8String:
        return QString::fromUtf8(bytes);
    case ValueTag::WideString:
        return wide;
    default:
        return QString();
    }
}
