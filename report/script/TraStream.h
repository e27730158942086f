#pragma once

#include "Persistent.h"

#include <QByteArray>

// TStream and TMemoryStream as scripts have them: bytes in memory and a
// position in them. A script makes one with TMemoryStream.Create and frees
// it; a report object hands out one of its own (a memo's MemoStream) that
// the module keeps and fills with the object's current content. Only bytes
// travel: nothing outside the stream ever sees its address.
class TraStream : public Persistent {
public:
    PW_CLASS_INFO

    const QByteArray& bytes() const { return bytes_; }
    qint64 size() const { return bytes_.size(); }
    qint64 position() const { return position_; }
    // Kept within 0 .. size.
    void setPosition(qint64 position);
    // Shortens the stream or fills it with zeros; the position stays within.
    void setSize(qint64 size);
    // Replaces the content when it differs, and starts again at 0.
    void refill(const QByteArray& bytes);
    void clear() { refill({}); }
    // What follows the position, which moves to the end.
    QByteArray readToEnd();
    // Writes at the position, over what is there and past the end; the position moves past it.
    void write(const QByteArray& bytes);

private:
    QByteArray bytes_;
    qint64 position_ = 0;
};

class TraMemoryStream final : public TraStream {
public:
    PW_CLASS_INFO
};
