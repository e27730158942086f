#pragma once

#include "RecordStream.h"

#include <QByteArray>

// How many bytes the memory streams of one cache may hold together; past
// it a write fails as if memory had run out, and the cache moves to files.
struct CacheMemoryBudget {
    qint64 limit = 0;
    qint64 used = 0;
};

// Records in memory, counted against the cache's budget.
class MemoryRecordStream : public RecordStream {
public:
    explicit MemoryRecordStream(CacheMemoryBudget& budget) : budget_(budget) {}
    ~MemoryRecordStream() override;

    qint64 size() const override { return bytes_.size(); }
    bool read(qint64 offset, char* data, qint64 length) override;
    bool truncate(qint64 size) override;

protected:
    bool writeBytes(qint64 offset, QByteArrayView bytes) override;

private:
    CacheMemoryBudget& budget_;
    QByteArray bytes_;
};
