#include "TraStream.h"

#include <algorithm>

// Abstract, as its namesake: scripts create the memory stream.
const ClassInfo& TraStream::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TStream"), &Persistent::staticClassInfo());
    return info;
}

const ClassInfo& TraMemoryStream::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TMemoryStream"), &TraStream::staticClassInfo(),
                                [](OwnedComponent*) { return new TraMemoryStream; });
    return info;
}

void TraStream::setPosition(qint64 position) {
    position_ = std::clamp<qint64>(position, 0, size());
}

void TraStream::setSize(qint64 size) {
    bytes_.resize(std::max<qint64>(size, 0), '\0');
    setPosition(position_);
}

void TraStream::refill(const QByteArray& bytes) {
    if (bytes == bytes_)
        return;
    bytes_ = bytes;
    position_ = 0;
}

QByteArray TraStream::readToEnd() {
    QByteArray rest = bytes_.mid(position_);
    position_ = size();
    return rest;
}

void TraStream::write(const QByteArray& bytes) {
    if (position_ + bytes.size() > size())
        bytes_.resize(position_ + bytes.size());
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + position_);
    position_ += bytes.size();
}
