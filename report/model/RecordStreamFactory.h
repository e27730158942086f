#pragma once

#include "MemoryRecordStream.h"

#include <memory>

// Makes the streams of a page state cache. Tests put in one whose streams
// fail, to see how the cache copes when storage runs out.
class RecordStreamFactory {
public:
    virtual ~RecordStreamFactory() = default;

    virtual std::unique_ptr<RecordStream> createMemoryStream(CacheMemoryBudget& budget) const;
    // A new temporary file in `folder`; none when it cannot be created.
    virtual std::unique_ptr<RecordStream> createFileStream(const QString& folder) const;
};
