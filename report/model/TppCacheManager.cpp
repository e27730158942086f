#include "TppCacheManager.h"

#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "RecordStreamFactory.h"
#include "TemporaryFiles.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppGroup.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"

#include <QSet>

#include <algorithm>

namespace {

const RecordStreamFactory& defaultFactory() {
    static const RecordStreamFactory factory;
    return factory;
}

bool copyStream(RecordStream& from, RecordStream& to) {
    constexpr qint64 chunkSize = qint64(1) << 20;
    QByteArray chunk;
    for (qint64 offset = 0; offset < from.size(); offset += chunk.size()) {
        chunk.resize(std::min(from.size() - offset, chunkSize));
        if (!from.read(offset, chunk.data(), chunk.size()) || !to.write(offset, chunk))
            return false;
    }
    return true;
}

} // namespace

const ClassInfo& TppCacheManager::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCacheManager>("TppCacheManager", &TppCommunicator::staticClassInfo(), [](auto&) {});
    return info;
}

TppCacheManager::TppCacheManager(OwnedComponent* owner)
    : TppCommunicator(owner), tempPath_(TemporaryFolder()), factory_(&defaultFactory()) {
    AddEventKind(ciCacheWriteFailed);
    AddEventKind(ciCacheOutOfSpace);
}

TppCacheManager::~TppCacheManager() {
    markDestroying();
    // Members release what their records hold (an engine its bookmarks) when
    // told; one that cannot read its records back any more has nothing left
    // to release them for, and a destructor has nowhere to report it.
    try {
        tellPagesDiscarded();
    } catch (const Exception&) {
    }
    release();
}

void TppCacheManager::SetStreamFactory(const RecordStreamFactory* factory) {
    factory_ = factory ? factory : &defaultFactory();
}

QList<TppCacheable*> TppCacheManager::Members() const {
    QList<TppCacheable*> members;
    members.reserve(qsizetype(registrations_.size()));
    for (const Registration& registration : registrations_)
        members.append(registration.member);
    return members;
}

void TppCacheManager::Rebuild(TppReportModel& report, TppCacheable* engine) {
    QList<TppCacheable*> members;
    if (engine)
        members.append(engine);
    for (TppGroup* group : report.Groups())
        members.append(group);
    for (TppBand* band : report.Bands()) {
        members.append(band);
        for (TppComponent* component : band->Objects())
            members.append(component);
    }
    RebuildWith(members);
}

void TppCacheManager::RebuildWith(const QList<TppCacheable*>& members) {
    Clear();
    QSet<TppCacheable*> registered;
    for (TppCacheable* member : members) {
        if (member && !registered.contains(member)) {
            registered.insert(member);
            registrations_.push_back({member, {}});
        }
    }
    assignStreams();
}

void TppCacheManager::assignStreams() {
    for (Registration& registration : registrations_) {
        const int size = registration.member->CacheRecordSize();
        auto [place, isNew] = sizeClasses_.try_emplace(size);
        SizeClass& sizeClass = place->second;
        if (!isNew)
            ++sizeClass.lastPosition;
        else if (size > 0)
            sizeClass.stream = factory_->createMemoryStream(budget_);
        registration.slot = {sizeClass.stream.get(), 0, sizeClass.lastPosition, size, -1};
        registration.member->SubscribeEvents(this);
    }
    for (Registration& registration : registrations_) {
        registration.slot.count = sizeClasses_.at(registration.slot.recordSize).lastPosition + 1;
        registration.member->slot_ = registration.slot;
    }
}

template <class Step> void TppCacheManager::serve(Registration& registration, Step step) {
    TppCacheable& member = *registration.member;
    member.slot_ = registration.slot;
    step(member);
    registration.slot.pageCount = member.slot_.pageCount;
}

template <class Step> void TppCacheManager::serveEach(Step step) {
    const QList<TppCacheable*> members = Members();
    for (TppCacheable* member : members) {
        const auto registration = std::find_if(registrations_.begin(), registrations_.end(),
                                               [&](const Registration& r) { return r.member == member; });
        if (registration != registrations_.end())
            serve(*registration, step);
    }
}

void TppCacheManager::Clear() {
    tellPagesDiscarded();
    release();
}

void TppCacheManager::tellPagesDiscarded() {
    serveEach([](TppCacheable& member) {
        member.PagesDiscarded(0);
        member.slot_.pageCount = -1;
    });
}

void TppCacheManager::release() {
    cachePageCount_ = -1;
    for (const Registration& registration : std::exchange(registrations_, {})) {
        if (holds(registration.member->slot_.stream))
            registration.member->slot_ = {};
        registration.member->UnsubscribeEvents(this);
    }
    // Freeing a file stream deletes its file.
    sizeClasses_.clear();
    tempFileNames_.clear();
    storageKind_ = skMemory;
}

void TppCacheManager::SavePage(int page) {
    if (page < 0)
        return;
    for (Registration& registration : registrations_)
        serve(registration, [page](TppCacheable& member) { member.SaveToCache(page); });
    cachePageCount_ = std::max(cachePageCount_, page);
}

void TppCacheManager::RestorePage(int page) {
    for (Registration& registration : registrations_)
        serve(registration, [page](TppCacheable& member) { member.LoadFromCache(page); });
}

void TppCacheManager::DiscardFrom(int page) {
    if (cachePageCount_ < 0)
        return;
    page = std::max(page, 0);
    // Dropping pages that were never saved must not make them count as saved.
    const int kept = std::min(cachePageCount_, page - 1);
    serveEach([&](TppCacheable& member) {
        if (DiscardNotice)
            member.PagesDiscarded(page);
        member.slot_.pageCount = std::min(member.slot_.pageCount, kept);
    });
    // A file that cannot be cut keeps bytes past the kept pages; no record
    // is read from there before it has been written again.
    for (auto& [size, sizeClass] : sizeClasses_) {
        const qint64 keptBytes = qint64(size) * (sizeClass.lastPosition + 1) * page;
        if (sizeClass.stream && sizeClass.stream->size() > keptBytes)
            sizeClass.stream->truncate(keptBytes);
    }
    cachePageCount_ = kept;
}

bool TppCacheManager::holds(const RecordStream* stream) const {
    return stream && std::any_of(sizeClasses_.begin(), sizeClasses_.end(),
                                 [&](const auto& entry) { return entry.second.stream.get() == stream; });
}

void TppCacheManager::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCommunicator::EventNotify(sender, kind, params);
    // Only the cache the member is writing into answers: a member may also
    // belong to another cache (a region's snapshot).
    const auto registration = std::find_if(registrations_.begin(), registrations_.end(),
                                           [&](const Registration& r) { return r.member == sender; });
    if (registration == registrations_.end() || !holds(registration->member->slot_.stream))
        return;
    if (kind == ciCacheWriteFailed && storageKind_ == skMemory)
        moveToFiles();
    else if (kind == ciCacheOutOfSpace)
        outOfSpace();
}

void TppCacheManager::Notify(TppCommunicator* sender, int operation) {
    if (operation == ppopRemove) {
        // Its records stay in the stream, unused, beside the others'.
        std::erase_if(registrations_, [&](const Registration& r) { return r.member == sender; });
    }
    TppCommunicator::Notify(sender, operation);
}

// All streams move at once, so that every member finds its earlier pages in
// the new files; should a file fail, the cache stays in memory as it was.
void TppCacheManager::moveToFiles() {
    std::map<int, std::unique_ptr<RecordStream>> files;
    for (const auto& [size, sizeClass] : sizeClasses_) {
        if (!sizeClass.stream)
            continue;
        std::unique_ptr<RecordStream> file = factory_->createFileStream(tempPath_);
        if (!file || !copyStream(*sizeClass.stream, *file))
            outOfSpace();
        files.emplace(size, std::move(file));
    }
    for (auto& [size, file] : files) {
        SizeClass& sizeClass = sizeClasses_.at(size);
        const RecordStream* memory = sizeClass.stream.get();
        tempFileNames_.append(file->fileName());
        for (Registration& registration : registrations_) {
            if (registration.slot.stream != memory)
                continue;
            registration.slot.stream = file.get();
            if (registration.member->slot_.stream == memory)
                registration.member->slot_.stream = file.get();
        }
        sizeClass.stream = std::move(file);
    }
    storageKind_ = skFile;
}

void TppCacheManager::outOfSpace() {
    if (StopEngine)
        StopEngine();
    throw EPrintError(LanguageString(kMsgNoDiskSpace));
}
