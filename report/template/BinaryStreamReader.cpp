#include "BinaryStreamReader.h"

#include "AnsiText.h"
#include "PagewrightErrors.h"
#include "StreamLimits.h"

#include <QtEndian>

namespace {

constexpr char kSignature[] = "TPF0";

struct NestingScope {
    int& depth;
    ~NestingScope() { --depth; }
};

} // namespace

BinaryStreamReader::BinaryStreamReader(QByteArrayView data) : data_(data) {}

void BinaryStreamReader::fail(const QString& problem) const {
    QString where = QStringLiteral("at byte %1").arg(position_);
    QStringList path = objectPath_;
    if (!property_.isEmpty())
        path << QString::fromLatin1(property_);
    if (!path.isEmpty())
        where += QStringLiteral(", in ") + path.join(u'.');
    throw ETemplateLoadError(QStringLiteral("Invalid component stream %1: %2").arg(where, problem));
}

void BinaryStreamReader::need(qint64 count, const char* what) const {
    const qint64 remaining = data_.size() - position_;
    if (count > remaining)
        fail(QStringLiteral("%1 needs %2 bytes, %3 remain")
                 .arg(QLatin1String(what))
                 .arg(count)
                 .arg(remaining));
}

quint8 BinaryStreamReader::peekByte() const {
    need(1, "the next tag");
    return quint8(data_[position_]);
}

quint8 BinaryStreamReader::readByte() {
    const quint8 byte = peekByte();
    ++position_;
    return byte;
}

template <class T> T BinaryStreamReader::readLittleEndian() {
    need(sizeof(T), "a number");
    const T value = qFromLittleEndian<T>(data_.data() + position_);
    position_ += sizeof(T);
    return value;
}

QByteArray BinaryStreamReader::readBytes(qint64 count, const char* what) {
    need(count, what);
    const QByteArray bytes = data_.sliced(position_, count).toByteArray();
    position_ += count;
    return bytes;
}

QByteArray BinaryStreamReader::readShortString(const char* what) {
    need(1, what);
    const int length = readByte();
    return readBytes(length, what);
}

qint64 BinaryStreamReader::readLength(const char* what) {
    // Stored as four bytes; read unsigned, so a "negative" length is simply too long.
    const qint64 length = readLittleEndian<quint32>();
    need(length, what);
    return length;
}

void BinaryStreamReader::enter() {
    if (++depth_ > kMaxStreamNesting) {
        --depth_;
        fail(QStringLiteral("objects and lists nest deeper than %1 levels").arg(kMaxStreamNesting));
    }
}

void BinaryStreamReader::readSignature() {
    if (data_.size() - position_ < 4 || data_.sliced(position_, 4) != QByteArrayView(kSignature, 4))
        throw EInvalidTemplateError(
            QStringLiteral("Invalid stream format: no \"TPF0\" at byte %1").arg(position_));
    position_ += 4;
}

std::vector<StreamObject> BinaryStreamReader::readComponents() {
    std::vector<StreamObject> objects;
    // The end-of-list byte is what tells a whole stream from one cut short
    // after an object.
    while (true) {
        if (atEnd())
            fail(QStringLiteral("the stream ends before its end-of-list byte"));
        if (peekByte() == 0) {
            ++position_;
            return objects;
        }
        readSignature();
        objects.push_back(readObject());
    }
}

StreamObject BinaryStreamReader::readObject() {
    enter();
    NestingScope scope{depth_};
    StreamObject object;
    object.place = QStringLiteral("at byte %1").arg(position_);
    const quint8 first = peekByte();
    if ((first & kObjectPrefixMask) == kObjectPrefixMask) {
        ++position_;
        object.flags = first & ~kObjectPrefixMask;
        if (object.flags & ~unsigned(ofInherited | ofChildPosition | ofInline))
            fail(QStringLiteral("unknown object flags %1").arg(object.flags));
        if (object.flags & ofChildPosition) {
            object.childPosition = readValue();
            if (!object.childPosition.isInteger())
                fail(QStringLiteral("the child position is not an integer"));
        }
    }
    object.className = readShortString("a class name");
    if (!isStreamIdentifier(object.className))
        fail(QStringLiteral("the class name \"%1\" is not an identifier")
                 .arg(QString::fromLatin1(object.className)));
    object.name = readShortString("an object name");
    if (!object.name.isEmpty() && !isStreamIdentifier(object.name))
        fail(QStringLiteral("the object name \"%1\" is not an identifier")
                 .arg(QString::fromLatin1(object.name)));
    objectPath_ << QString::fromLatin1(object.name.isEmpty() ? object.className : object.name);
    object.properties = readProperties();
    while (peekByte() != 0)
        object.children.push_back(readObject());
    ++position_;
    objectPath_.removeLast();
    return object;
}

std::vector<StreamProperty> BinaryStreamReader::readProperties() {
    std::vector<StreamProperty> properties;
    const QByteArray outer = property_;
    while (peekByte() != 0) {
        StreamProperty property;
        property.place = QStringLiteral("at byte %1").arg(position_);
        property.name = readShortString("a property name");
        if (!isDottedIdentifier(property.name))
            fail(QStringLiteral("the property name \"%1\" is not an identifier")
                     .arg(QString::fromLatin1(property.name)));
        property_ = outer.isEmpty() ? property.name : outer + '.' + property.name;
        property.value = readValue();
        properties.push_back(std::move(property));
        property_ = outer;
    }
    ++position_;
    return properties;
}

StreamValue BinaryStreamReader::readValue() {
    const quint8 tag = readByte();
    if (tag > kLastValueTag) {
        --position_;
        fail(QStringLiteral("unknown value tag %1").arg(tag));
    }
    return readTaggedValue(ValueTag(tag));
}

StreamValue BinaryStreamReader::readTaggedValue(ValueTag tag) {
    StreamValue value = StreamValue::withTag(tag);
    switch (tag) {
    case ValueTag::Null:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
        break;
    case ValueTag::Int8:
        value.integer = readLittleEndian<qint8>();
        break;
    case ValueTag::Int16:
        value.integer = readLittleEndian<qint16>();
        break;
    case ValueTag::Int32:
        value.integer = readLittleEndian<qint32>();
        break;
    case ValueTag::Int64:
    case ValueTag::Currency:
        value.integer = readLittleEndian<qint64>();
        break;
    case ValueTag::Extended:
        value.extended = Extended80::fromBytes(readBytes(Extended80::kSize, "an extended float"));
        break;
    case ValueTag::Single:
        value.integer = readLittleEndian<quint32>();
        break;
    case ValueTag::Date:
        value.number = qFromLittleEndian<double>(readBytes(8, "a date").constData());
        break;
    case ValueTag::String:
        value.bytes = readShortString("a string");
        break;
    case ValueTag::Ident:
        value.bytes = readShortString("an identifier");
        if (!isDottedIdentifier(value.bytes))
            fail(QStringLiteral("\"%1\" is not an identifier").arg(QString::fromLatin1(value.bytes)));
        break;
    case ValueTag::Binary:
        value.bytes = readBytes(readLength("binary data"), "binary data");
        break;
    case ValueTag::LongString:
        value.bytes = readBytes(readLength("a long string"), "a long string");
        break;
    case ValueTag::Utf8String:
        value.bytes = readBytes(readLength("a UTF-8 string"), "a UTF-8 string");
        break;
    case ValueTag::WideString: {
        const qint64 characters = readLittleEndian<quint32>();
        const QByteArray units = readBytes(characters * 2, "a wide string");
        value.wide.resize(characters);
        for (qint64 i = 0; i < characters; ++i)
            value.wide[i] = QChar(qFromLittleEndian<quint16>(units.constData() + 2 * i));
        break;
    }
    case ValueTag::Set:
        while (true) {
            const QByteArray element = readShortString("a set element");
            if (element.isEmpty())
                break;
            if (!isStreamIdentifier(element))
                fail(QStringLiteral("the set element \"%1\" is not an identifier")
                         .arg(QString::fromLatin1(element)));
            value.elements << element;
        }
        break;
    case ValueTag::List: {
        enter();
        NestingScope scope{depth_};
        while (peekByte() != 0)
            value.items.push_back(readValue());
        ++position_;
        break;
    }
    case ValueTag::Collection: {
        enter();
        NestingScope scope{depth_};
        while (peekByte() != 0) {
            StreamCollectionItem item;
            const auto indexTag = ValueTag(peekByte());
            if (indexTag == ValueTag::Int8 || indexTag == ValueTag::Int16 || indexTag == ValueTag::Int32 ||
                indexTag == ValueTag::Int64)
                item.index = readValue();
            if (readByte() != quint8(ValueTag::List)) {
                --position_;
                fail(QStringLiteral("a collection item does not start with a list tag"));
            }
            item.properties = readProperties();
            value.collection.push_back(std::move(item));
        }
        ++position_;
        break;
    }
    }
    return value;
}
