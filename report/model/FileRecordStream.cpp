#include "FileRecordStream.h"

#include <QDir>

std::unique_ptr<FileRecordStream> FileRecordStream::create(const QString& folder, const QString& prefix) {
    std::unique_ptr<FileRecordStream> stream(
        new FileRecordStream(QDir(folder).filePath(prefix + QStringLiteral("XXXXXX.tmp"))));
    if (!stream->file_.open())
        return nullptr;
    return stream;
}

bool FileRecordStream::read(qint64 offset, char* data, qint64 length) {
    return file_.seek(offset) && file_.read(data, length) == length;
}

// Flushed at once: a full disk shows on this write, not on a later one.
bool FileRecordStream::writeBytes(qint64 offset, QByteArrayView bytes) {
    return file_.seek(offset) && file_.write(bytes.data(), bytes.size()) == bytes.size() && file_.flush();
}
