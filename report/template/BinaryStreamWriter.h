#pragma once

#include "StreamObject.h"

#include <QByteArray>

// Writes StreamObjects in the binary form of a component stream.
class BinaryStreamWriter {
public:
    explicit BinaryStreamWriter(QByteArray& out) : out_(out) {}

    // "TPF0", before each top-level object.
    void WriteSignature();
    void WriteListBegin();
    // The end-of-list byte 0: after properties, children, lists and streams
    // of several components.
    void WriteListEnd();
    void writeObject(const StreamObject& object);
    void writeValue(const StreamValue& value);
    // Each object after its signature, then the end-of-list byte: a template.
    void writeComponents(const std::vector<StreamObject>& objects);

private:
    void writeTag(ValueTag tag) { out_.append(char(tag)); }
    template <class T> void writeLittleEndian(T value);
    // Names past 255 bytes are cut: the length is a single byte.
    void writeShortString(const QByteArray& text);
    void writeLongBytes(const QByteArray& bytes);
    void writeProperties(const std::vector<StreamProperty>& properties);

    QByteArray& out_;
};
