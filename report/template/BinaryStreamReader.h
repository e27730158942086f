#pragma once

#include "StreamObject.h"

#include <QByteArrayView>
#include <QStringList>

// Reads the binary form of a component stream into StreamObjects. Every
// length, tag and nesting level is checked against what the data holds; a
// stream that breaks a rule raises ETemplateLoadError saying what was wrong,
// at which byte, and in which object and property. Nothing is created:
// turning the objects into components is ComponentReader's job.
class BinaryStreamReader {
public:
    explicit BinaryStreamReader(QByteArrayView data);

    qsizetype position() const { return position_; }
    bool atEnd() const { return position_ >= data_.size(); }

    // The four bytes "TPF0"; anything else is EInvalidTemplateError.
    void readSignature();
    StreamObject readObject();
    // (signature, object) pairs up to the end-of-list byte, or to the end
    // of the data.
    std::vector<StreamObject> readComponents();

private:
    [[noreturn]] void fail(const QString& problem) const;
    void need(qint64 count, const char* what) const;
    quint8 peekByte() const;
    quint8 readByte();
    template <class T> T readLittleEndian();
    QByteArray readBytes(qint64 count, const char* what);
    QByteArray readShortString(const char* what);
    qint64 readLength(const char* what);
    StreamValue readValue();
    StreamValue readTaggedValue(ValueTag tag);
    std::vector<StreamProperty> readProperties();
    void enter();

    QByteArrayView data_;
    qsizetype position_ = 0;
    int depth_ = 0;
    QStringList objectPath_;
    QByteArray property_;
};
