#pragma once

#include "TppRelative.h"

class CacheRecord;
class RecordStream;

// The base of report objects whose generation state is saved per page, so
// that any page can be generated again from the state at the end of the
// page before it. Each class lists what its record holds (CacheFields); a
// TppCacheManager gives it a place in a stream shared by all objects whose
// records have the same size, and points it there before each save or load
// (an object may belong to the report's cache and to a region's snapshot).
class TppCacheable : public TppRelative {
public:
    PW_CLASS_INFO
    using TppRelative::TppRelative;

    // Bytes per record: what CacheFields lists, laid out as a C struct; 0
    // for objects that keep nothing per page.
    int CacheRecordSize();
    // The stream shared with the other objects of this record size, how
    // many share it (records per page), and this object's place among them.
    RecordStream* CacheStream() const { return slot_.stream; }
    int CacheCount() const { return slot_.count; }
    int CachePosition() const { return slot_.position; }
    // The highest page whose record this object holds; -1 for none.
    int CachePageCount() const { return slot_.pageCount; }

    // The pages from the given one on are dropped.
    virtual void PagesDiscarded(int /*page*/) {}
    // Takes back the state saved for `page`; a page never saved leaves the
    // object as it is.
    virtual void LoadFromCache(int page);
    // Saves the state at the end of `page`. When storage runs out raises
    // EPrintError (language string 284) after the cache's one retry.
    virtual void SaveToCache(int page);

protected:
    // Lists the fields of the record, the base class's first. Called to
    // measure, pack and unpack alike: the list may not depend on the state.
    virtual void CacheFields(CacheRecord&) {}

    // The raw records, for classes that save more than their fields.
    void writeCacheRecord(int page, const QByteArray& record);
    bool readCacheRecord(int page, QByteArray& record);

private:
    friend class TppCacheManager;
    struct CacheSlot {
        RecordStream* stream = nullptr;
        int count = 0;
        int position = 0;
        int recordSize = 0;
        int pageCount = -1;
    };
    qint64 cacheOffset(int page) const;

    CacheSlot slot_;
};
