#include "MemoryRecordStream.h"

#include <algorithm>
#include <cstring>
#include <new>

MemoryRecordStream::~MemoryRecordStream() {
    budget_.used -= bytes_.size();
}

bool MemoryRecordStream::read(qint64 offset, char* data, qint64 length) {
    if (offset < 0 || length < 0 || offset + length > bytes_.size())
        return false;
    std::memcpy(data, bytes_.constData() + offset, size_t(length));
    return true;
}

bool MemoryRecordStream::truncate(qint64 size) {
    if (size < bytes_.size()) {
        budget_.used -= bytes_.size() - std::max<qint64>(size, 0);
        bytes_.truncate(std::max<qint64>(size, 0));
    }
    return true;
}

bool MemoryRecordStream::writeBytes(qint64 offset, QByteArrayView bytes) {
    const qint64 growth = std::max<qint64>(offset + bytes.size() - bytes_.size(), 0);
    if (budget_.used + growth > budget_.limit)
        return false;
    try {
        if (growth > 0)
            bytes_.resize(offset + bytes.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::memcpy(bytes_.data() + offset, bytes.data(), size_t(bytes.size()));
    budget_.used += growth;
    return true;
}
