#pragma once

#include "TppCommunicator.h"
#include "TppPageRequest.h"

#include <QMap>
#include <functional>
#include <memory>

class TppDevice;
class TppPage;

// Hands a report's pages to its devices. Devices state which pages they
// want; the publisher merges the requests of the devices still waiting,
// serves what it can from its page cache and asks the report to generate
// the rest; each page that comes back is cached and offered to every
// waiting device.
//
// Within an exclusive group only the device attached last receives pages;
// the one before it resumes when it leaves.
class TppPublisher : public TppCommunicator {
public:
    explicit TppPublisher(OwnedComponent* owner = nullptr);
    ~TppPublisher() override;

    const QList<TppDevice*>& Devices() const { return devices_; }
    void AddDevice(TppDevice* device);
    void RemoveDevice(TppDevice* device);

    void ResetDevices();
    void Reset();
    void ResetCache();
    // The pages from `pageNo` on are to be made again: their copies go, and
    // the last page is no longer known.
    void DiscardPagesFrom(int pageNo);
    void BeginJob();
    void RequestPages();
    void AddRequest(const TppPageRequest& request);
    void ProcessRequest();
    void AcceptPage(TppPage& page);
    void AbortJob();
    void FinishJob();

    QString StatusText() const;
    void SetStatusText(const QString& text);
    bool AllDevicesAreScreen() const;
    // The cached copy of absolute page n; none when not cached.
    TppPage* CachedPage(int pageNo) const;
    int CachedPageCount() const { return int(cache_.size()); }

    const TppPageRequest& MergedRequest() const { return mergedRequest_; }
    bool JobRunning() const { return jobRunning_; }
    bool RequestSatisfied() const { return requestSatisfied_; }
    bool LastPageKnown() const { return lastPageKnown_; }
    int LastPageNo() const { return lastPageNo_; }
    bool CachePages = false;
    // The report's handler that generates pages for a request.
    std::function<void(TppPublisher* publisher, TppPageRequest& request)> PageRequestHandler;

    void Notify(TppCommunicator* sender, int operation) override;

private:
    bool serveFromCache();
    void cachePage(const TppPage& page);
    // Enabled devices; `awaiting` only those still waiting for pages.
    QList<TppDevice*> recipients(bool awaiting) const;

    QList<TppDevice*> devices_;
    QMap<QString, QList<TppDevice*>> exclusiveGroups_;
    TppPageRequest mergedRequest_;
    bool freshRequest_ = true;
    bool collectingRequests_ = false;
    bool jobRunning_ = false;
    bool servingFromCache_ = false;
    bool requestSatisfied_ = false;
    bool lastPageKnown_ = false;
    int lastPageNo_ = 0;
    // Keyed by the page number formatted "%8d", so that text order is number order.
    QMap<QString, std::shared_ptr<TppPage>> cache_;
};
