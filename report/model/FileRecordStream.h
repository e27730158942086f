#pragma once

#include "RecordStream.h"

#include <QTemporaryFile>

#include <memory>

// Records in a temporary file. The file is created exclusively, readable
// by its owner only, and removed with the stream.
class FileRecordStream : public RecordStream {
public:
    // A new file named `prefix` and a unique part in `folder`; none when it
    // cannot be created.
    static std::unique_ptr<FileRecordStream> create(const QString& folder, const QString& prefix);

    qint64 size() const override { return file_.size(); }
    bool read(qint64 offset, char* data, qint64 length) override;
    bool truncate(qint64 size) override { return file_.resize(size); }
    QString fileName() const override { return file_.fileName(); }

protected:
    bool writeBytes(qint64 offset, QByteArrayView bytes) override;

private:
    explicit FileRecordStream(const QString& nameTemplate) : file_(nameTemplate) {}

    QTemporaryFile file_;
};
