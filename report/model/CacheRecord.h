#pragma once

#include <QByteArray>

#include <algorithm>
#include <type_traits>

// One object's generation state for one page, as a fixed number of bytes.
// A class lists its fields once (TppCacheable::CacheFields); the same list
// measures the record, packs it and unpacks it, so size, writing and
// reading cannot disagree. Fields are laid out as a C struct would hold
// them: each aligned to its own size, the whole rounded up to the largest
// alignment. Records hold numbers and flags only.
class CacheRecord {
public:
    static CacheRecord measuring() { return CacheRecord(Mode::Measure); }
    static CacheRecord packing() { return CacheRecord(Mode::Pack); }
    // Fields beyond the end of `bytes` keep their values.
    static CacheRecord unpacking(const QByteArray& bytes);

    void field(bool& value) { raw(value); }
    void field(int& value) { raw(value); }
    void field(qint64& value) { raw(value); }
    void field(double& value) { raw(value); }
    void field(float& value) { raw(value); }
    void field(long double& value) { raw(value); }
    template <class E>
    requires std::is_enum_v<E>
    void field(E& value) {
        int number = int(value);
        raw(number);
        value = E(number);
    }

    // For fields that are not plain members: read them back only then.
    bool isUnpacking() const { return mode_ == Mode::Unpack; }
    // The record's size so far, rounded up to its alignment.
    int size() const;
    // The packed record, padded to size().
    QByteArray bytes() const;

private:
    enum class Mode { Measure, Pack, Unpack };
    explicit CacheRecord(Mode mode) : mode_(mode) {}

    template <class T> void raw(T& value) {
        constexpr int width = int(sizeof(T));
        offset_ = (offset_ + width - 1) / width * width;
        alignment_ = std::max(alignment_, width);
        transfer(&value, width);
        offset_ += width;
    }
    void transfer(void* value, int width);

    Mode mode_;
    QByteArray bytes_;
    int offset_ = 0;
    int alignment_ = 1;
};
