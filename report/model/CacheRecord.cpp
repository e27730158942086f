#include "CacheRecord.h"

#include <cstring>

CacheRecord CacheRecord::unpacking(const QByteArray& bytes) {
    CacheRecord record(Mode::Unpack);
    record.bytes_ = bytes;
    return record;
}

int CacheRecord::size() const {
    return (offset_ + alignment_ - 1) / alignment_ * alignment_;
}

QByteArray CacheRecord::bytes() const {
    QByteArray padded = bytes_;
    padded.resize(size(), '\0');
    return padded;
}

void CacheRecord::transfer(void* value, int width) {
    switch (mode_) {
    case Mode::Measure:
        break;
    case Mode::Pack:
        bytes_.resize(offset_, '\0');
        bytes_.append(static_cast<const char*>(value), width);
        break;
    case Mode::Unpack:
        if (offset_ + width <= bytes_.size())
            std::memcpy(value, bytes_.constData() + offset_, size_t(width));
        break;
    }
}
