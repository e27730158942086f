#include "TppCacheable.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "RecordStream.h"
#include "TppEventKind.h"
#include "TppResourceManager.h"

const ClassInfo& TppCacheable::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCacheable>("TppCacheable", &TppRelative::staticClassInfo(), [](auto&) {});
    return info;
}

int TppCacheable::CacheRecordSize() {
    CacheRecord record = CacheRecord::measuring();
    CacheFields(record);
    return record.size();
}

void TppCacheable::SaveToCache(int page) {
    if (!slot_.stream)
        return;
    CacheRecord record = CacheRecord::packing();
    CacheFields(record);
    writeCacheRecord(page, record.bytes());
}

void TppCacheable::LoadFromCache(int page) {
    QByteArray bytes;
    if (!readCacheRecord(page, bytes))
        return;
    CacheRecord record = CacheRecord::unpacking(bytes);
    CacheFields(record);
}

qint64 TppCacheable::cacheOffset(int page) const {
    return (qint64(page) * slot_.count + slot_.position) * slot_.recordSize;
}

// A failed write is told to the cache (kind 48), which moves to temporary
// files, and tried once more there; a second failure (kind 49) ends the
// generation: a page whose state is lost could not be generated again.
void TppCacheable::writeCacheRecord(int page, const QByteArray& record) {
    if (!slot_.stream || page < 0 || slot_.recordSize == 0)
        return;
    const qint64 offset = cacheOffset(page);
    if (!slot_.stream->write(offset, record)) {
        BroadcastEvent(this, ciCacheWriteFailed);
        if (!slot_.stream || !slot_.stream->write(offset, record)) {
            BroadcastEvent(this, ciCacheOutOfSpace);
            throw EPrintError(LanguageString(kMsgNoDiskSpace));
        }
    }
    slot_.pageCount = std::max(slot_.pageCount, page);
}

bool TppCacheable::readCacheRecord(int page, QByteArray& record) {
    if (!slot_.stream || page < 0 || page > slot_.pageCount || slot_.recordSize == 0)
        return false;
    const qint64 offset = cacheOffset(page);
    if (offset + slot_.recordSize > slot_.stream->size())
        return false;
    record.resize(slot_.recordSize);
    // The record is there but cannot be read back: generating the page from
    // whatever state the object has now would print a wrong page.
    if (!slot_.stream->read(offset, record.data(), slot_.recordSize))
        throw EPrintError(LanguageString(kMsgCannotGenerate));
    return true;
}
