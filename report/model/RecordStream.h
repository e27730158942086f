#pragma once

#include <QByteArrayView>
#include <QString>

// The bytes a page state cache keeps its records in, addressed by offset:
// in memory or in a temporary file.
class RecordStream {
public:
    virtual ~RecordStream() = default;

    virtual qint64 size() const = 0;
    // Writes `bytes` at `offset`. A gap between the end and `offset` is
    // filled with zeros first, so a record always lands at its own place
    // whatever was written before it. False when the bytes cannot be kept
    // (memory or disk exhausted).
    bool write(qint64 offset, QByteArrayView bytes);
    // Reads `length` bytes at `offset`; false when they cannot be read.
    virtual bool read(qint64 offset, char* data, qint64 length) = 0;
    // Drops everything from `size` on.
    virtual bool truncate(qint64 size) = 0;
    // The file that holds the bytes; empty in memory.
    virtual QString fileName() const { return QString(); }

protected:
    // Writes at an offset no further than the end.
    virtual bool writeBytes(qint64 offset, QByteArrayView bytes) = 0;
};
