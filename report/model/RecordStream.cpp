#include "RecordStream.h"

#include <QByteArray>

#include <algorithm>

bool RecordStream::write(qint64 offset, QByteArrayView bytes) {
    if (offset < 0)
        return false;
    static const QByteArray zeros(64 * 1024, '\0');
    for (qint64 end = size(); end < offset;) {
        const qint64 length = std::min<qint64>(offset - end, zeros.size());
        if (!writeBytes(end, QByteArrayView(zeros.constData(), length)))
            return false;
        end += length;
    }
    return writeBytes(offset, bytes);
}
