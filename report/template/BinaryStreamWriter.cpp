#include "BinaryStreamWriter.h"

#include "StreamLimits.h"

#include <QtEndian>

template <class T> void BinaryStreamWriter::writeLittleEndian(T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out_.append(bytes, sizeof(T));
}

void BinaryStreamWriter::WriteSignature() {
    out_.append("TPF0", 4);
}

void BinaryStreamWriter::WriteListBegin() {
    writeTag(ValueTag::List);
}

void BinaryStreamWriter::WriteListEnd() {
    out_.append('\0');
}

void BinaryStreamWriter::writeShortString(const QByteArray& text) {
    const qsizetype length = std::min<qsizetype>(text.size(), kMaxNameLength);
    out_.append(char(length));
    out_.append(text.constData(), length);
}

void BinaryStreamWriter::writeLongBytes(const QByteArray& bytes) {
    writeLittleEndian(quint32(bytes.size()));
    out_.append(bytes);
}

void BinaryStreamWriter::writeComponents(const std::vector<StreamObject>& objects) {
    for (const StreamObject& object : objects) {
        WriteSignature();
        writeObject(object);
    }
    WriteListEnd();
}

void BinaryStreamWriter::writeObject(const StreamObject& object) {
    if (object.flags) {
        out_.append(char(kObjectPrefixMask | object.flags));
        if (object.flags & ofChildPosition)
            writeValue(object.childPosition);
    }
    // Cut where the length byte would turn into the prefix of flags.
    writeShortString(object.className.left(kMaxClassNameLength));
    writeShortString(object.name);
    writeProperties(object.properties);
    for (const StreamObject& child : object.children)
        writeObject(child);
    WriteListEnd();
}

void BinaryStreamWriter::writeProperties(const std::vector<StreamProperty>& properties) {
    for (const StreamProperty& property : properties) {
        writeShortString(property.name);
        writeValue(property.value);
    }
    WriteListEnd();
}

void BinaryStreamWriter::writeValue(const StreamValue& value) {
    writeTag(value.tag);
    switch (value.tag) {
    case ValueTag::Null:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
        break;
    case ValueTag::Int8:
        writeLittleEndian(qint8(value.integer));
        break;
    case ValueTag::Int16:
        writeLittleEndian(qint16(value.integer));
        break;
    case ValueTag::Int32:
        writeLittleEndian(qint32(value.integer));
        break;
    case ValueTag::Int64:
    case ValueTag::Currency:
        writeLittleEndian(qint64(value.integer));
        break;
    case ValueTag::Extended:
        out_.append(value.extended.bytes());
        break;
    case ValueTag::Single:
        writeLittleEndian(quint32(value.integer));
        break;
    case ValueTag::Date:
        writeLittleEndian(value.number);
        break;
    case ValueTag::String:
    case ValueTag::Ident:
        writeShortString(value.bytes);
        break;
    case ValueTag::Binary:
    case ValueTag::LongString:
    case ValueTag::Utf8String:
        writeLongBytes(value.bytes);
        break;
    case ValueTag::WideString:
        writeLittleEndian(quint32(value.wide.size()));
        for (QChar unit : value.wide)
            writeLittleEndian(quint16(unit.unicode()));
        break;
    case ValueTag::Set:
        for (const QByteArray& element : value.elements)
            writeShortString(element);
        writeShortString(QByteArray());
        break;
    case ValueTag::List:
        for (const StreamValue& item : value.items)
            writeValue(item);
        WriteListEnd();
        break;
    case ValueTag::Collection:
        for (const StreamCollectionItem& item : value.collection) {
            if (item.index)
                writeValue(*item.index);
            WriteListBegin();
            writeProperties(item.properties);
        }
        WriteListEnd();
        break;
    }
}
