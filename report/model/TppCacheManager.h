#pragma once

#include "MemoryRecordStream.h"
#include "TppCacheable.h"

#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class RecordStreamFactory;
class TppReportModel;

enum TppCacheStorageKind { skMemory, skFile };

// The page state cache: for every page generated so far, the state each
// member had at the end of it, so that any page can be generated again
// without running the report from the start. Members with records of the
// same size share one stream; the record of the member at position p among
// c members, for page n, lies at byte (n * c + p) * record size.
//
// Streams live in memory until a write fails or the memory budget is spent;
// then the whole cache moves to temporary files ("cch…" in TempPath(),
// created exclusively and removed by Clear and with the manager) and the
// write is tried once more. Storage that runs out there too ends the
// generation with EPrintError "Not enough disk space to print report.".
class TppCacheManager : public TppCommunicator {
public:
    PW_CLASS_INFO

    static constexpr qint64 kDefaultMemoryBudget = qint64(64) << 20;

    explicit TppCacheManager(OwnedComponent* owner = nullptr);
    ~TppCacheManager() override;

    // Clears, then registers the engine, every group of the report, and
    // every band each followed by its objects. The report model does not
    // know its engine, so the caller passes it.
    void Rebuild(TppReportModel& report, TppCacheable* engine = nullptr);
    // Clears, then registers exactly these objects (each once, in order).
    void RebuildWith(const QList<TppCacheable*>& members);
    // Tells every member that all pages are gone, forgets the members and
    // frees the streams and temporary files.
    void Clear();
    void SavePage(int page);
    // A page never saved leaves the members as they are.
    void RestorePage(int page);
    // Drops the pages from `page` on.
    void DiscardFrom(int page);
    // The highest page saved; -1 when empty.
    int CachePageCount() const { return cachePageCount_; }

    // Whether members are told when pages are discarded.
    bool DiscardNotice = true;
    // Called when storage has run out, just before the error is raised: the
    // report stops its engine if it is generating.
    std::function<void()> StopEngine;

    QList<TppCacheable*> Members() const;
    TppCacheStorageKind StorageKind() const { return storageKind_; }
    const QStringList& TempFileNames() const { return tempFileNames_; }
    const QString& TempPath() const { return tempPath_; }
    void SetTempPath(const QString& path) { tempPath_ = path; }
    // Bytes the memory streams may hold together before the cache moves to files.
    qint64 MemoryBudget() const { return budget_.limit; }
    void SetMemoryBudget(qint64 bytes) { budget_.limit = bytes; }
    // Not owned; none restores the default.
    void SetStreamFactory(const RecordStreamFactory* factory);

    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;

private:
    struct Registration {
        TppCacheable* member;
        TppCacheable::CacheSlot slot;
    };
    struct SizeClass {
        int lastPosition = 0;
        std::unique_ptr<RecordStream> stream;
    };

    void assignStreams();
    void tellPagesDiscarded();
    // Forgets the members and frees the streams (and with them the files).
    void release();
    // Points the member at its place in this cache, runs `step`, and keeps
    // the pages it now holds.
    template <class Step> void serve(Registration& registration, Step step);
    // Runs `step` for every member still registered when its turn comes:
    // a member's callback may free another member.
    template <class Step> void serveEach(Step step);
    bool holds(const RecordStream* stream) const;
    void moveToFiles();
    [[noreturn]] void outOfSpace();

    std::vector<Registration> registrations_;
    std::map<int, SizeClass> sizeClasses_;
    TppCacheStorageKind storageKind_ = skMemory;
    QStringList tempFileNames_;
    QString tempPath_;
    CacheMemoryBudget budget_{kDefaultMemoryBudget};
    const RecordStreamFactory* factory_;
    int cachePageCount_ = -1;
};
