#include "RecordStreamFactory.h"

#include "FileRecordStream.h"

std::unique_ptr<RecordStream> RecordStreamFactory::createMemoryStream(CacheMemoryBudget& budget) const {
    return std::make_unique<MemoryRecordStream>(budget);
}

std::unique_ptr<RecordStream> RecordStreamFactory::createFileStream(const QString& folder) const {
    return FileRecordStream::create(folder, QStringLiteral("cch"));
}
