#include "TppPublisher.h"

#include "TppDevice.h"
#include "TppPage.h"

namespace {
QString cacheKey(int pageNo) {
    return QString::asprintf("%8d", pageNo);
}
} // namespace

TppPublisher::TppPublisher(OwnedComponent* owner) : TppCommunicator(owner) {}

TppPublisher::~TppPublisher() {
    // Every attached device, exclusive ones waiting their turn included, is
    // linked; the communicator's ppopRemove tells each to forget this
    // publisher, so that none keeps a pointer to it.
    markDestroying();
}

void TppPublisher::AddDevice(TppDevice* device) {
    if (!device || devices_.contains(device))
        return;
    for (const QList<TppDevice*>& group : std::as_const(exclusiveGroups_))
        if (group.contains(device))
            return;
    if (device->Exclusive()) {
        QList<TppDevice*>& group = exclusiveGroups_[device->ExclusiveGroup()];
        if (!group.isEmpty())
            devices_.removeOne(group.first());
        group.prepend(device);
    }
    devices_.append(device);
    LinkTo(device);
}

void TppPublisher::RemoveDevice(TppDevice* device) {
    devices_.removeOne(device);
    if (device->Exclusive()) {
        auto group = exclusiveGroups_.find(device->ExclusiveGroup());
        if (group != exclusiveGroups_.end()) {
            const bool wasTop = !group->isEmpty() && group->first() == device;
            group->removeOne(device);
            if (wasTop && !group->isEmpty())
                devices_.append(group->first());
            if (group->isEmpty())
                exclusiveGroups_.erase(group);
        }
    }
    if (!isDestroying())
        UnlinkFrom(device);
}

void TppPublisher::Notify(TppCommunicator* sender, int operation) {
    TppCommunicator::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (auto* device = dynamic_cast<TppDevice*>(sender))
        RemoveDevice(device);
}

QList<TppDevice*> TppPublisher::recipients(bool awaiting) const {
    QList<TppDevice*> result;
    for (TppDevice* device : devices_)
        if (device->Enabled() && (!awaiting || device->AwaitingPages()))
            result.append(device);
    return result;
}

void TppPublisher::ResetDevices() {
    for (TppDevice* device : recipients(false))
        device->ResetDevice();
}

void TppPublisher::Reset() {
    lastPageKnown_ = false;
    lastPageNo_ = 0;
    requestSatisfied_ = false;
    mergedRequest_.Clear();
    freshRequest_ = true;
    cache_.clear();
}

void TppPublisher::ResetCache() {
    lastPageKnown_ = false;
    lastPageNo_ = 0;
    requestSatisfied_ = false;
    cache_.clear();
}

void TppPublisher::DiscardPagesFrom(int pageNo) {
    lastPageKnown_ = false;
    lastPageNo_ = 0;
    requestSatisfied_ = false;
    cache_.erase(cache_.lowerBound(cacheKey(pageNo)), cache_.end());
}

void TppPublisher::BeginJob() {
    for (TppDevice* device : recipients(false))
        device->BeginJob();
}

void TppPublisher::RequestPages() {
    freshRequest_ = true;
    collectingRequests_ = true;
    try {
        for (TppDevice* device : recipients(true)) {
            if (device->OnRequestPages)
                device->OnRequestPages(device);
            AddRequest(device->DeviceRequest());
        }
    } catch (...) {
        collectingRequests_ = false;
        throw;
    }
    collectingRequests_ = false;
    jobRunning_ = true;
    ProcessRequest();
}

void TppPublisher::AddRequest(const TppPageRequest& request) {
    if (!freshRequest_ && !collectingRequests_ && !jobRunning_)
        freshRequest_ = true;
    requestSatisfied_ = false;
    if (freshRequest_) {
        freshRequest_ = false;
        mergedRequest_.Assign(request);
    } else if (mergedRequest_.PageSetting != psAll) {
        mergedRequest_.Merge(request);
    }
}

void TppPublisher::ProcessRequest() {
    if (collectingRequests_ || requestSatisfied_)
        return;
    requestSatisfied_ = serveFromCache();
    if (!requestSatisfied_ && PageRequestHandler)
        PageRequestHandler(this, mergedRequest_);
}

void TppPublisher::AcceptPage(TppPage& page) {
    cachePage(page);
    for (TppDevice* device : recipients(true))
        device->AcceptPage(page);
    // Only a finished page serves the request: a page-list entry struck off
    // by a page's start, or by a two-pass report's counting draft, would
    // leave its final page ungenerated.
    if (page.Final && !page.Calculation)
        requestSatisfied_ = mergedRequest_.IsRequestComplete(page);
    if (!lastPageKnown_ && page.LastPage) {
        lastPageKnown_ = true;
        lastPageNo_ = page.AbsolutePageNo;
    }
}

void TppPublisher::AbortJob() {
    for (TppDevice* device : recipients(true))
        device->AbortJob();
}

void TppPublisher::FinishJob() {
    jobRunning_ = false;
    for (TppDevice* device : recipients(false))
        device->FinishJob();
    mergedRequest_.Clear();
    freshRequest_ = true;
}

QString TppPublisher::StatusText() const {
    for (const TppDevice* device : devices_)
        if (!device->StatusText().isEmpty())
            return device->StatusText();
    return QString();
}

void TppPublisher::SetStatusText(const QString& text) {
    for (TppDevice* device : devices_)
        device->SetStatusText(text);
}

bool TppPublisher::AllDevicesAreScreen() const {
    return std::all_of(devices_.begin(), devices_.end(), [](const TppDevice* device) {
        return device->className().compare(QLatin1String("TppScreenDevice"), Qt::CaseInsensitive) == 0;
    });
}

TppPage* TppPublisher::CachedPage(int pageNo) const {
    const auto found = cache_.find(cacheKey(pageNo));
    return found == cache_.end() ? nullptr : found->get();
}

bool TppPublisher::serveFromCache() {
    if (!CachePages)
        return false;
    servingFromCache_ = true;
    bool satisfied = false;
    // Served pages go through AcceptPage like generated ones; copies are
    // handed out, as a device may keep what it is given.
    const auto serve = [this](int pageNo) {
        std::shared_ptr<TppPage> page = cache_.value(cacheKey(pageNo));
        if (page)
            AcceptPage(*page);
        return page != nullptr;
    };
    try {
        switch (mergedRequest_.PageSetting) {
        case psAll: {
            const TppPage* first = CachedPage(1);
            if (lastPageKnown_ && first && int(cache_.size()) == first->AbsolutePageCount) {
                const int count = first->AbsolutePageCount;
                for (int n = 1; n <= count; ++n)
                    serve(n);
                satisfied = true;
            }
            break;
        }
        case psPageList: {
            satisfied = true;
            const QStringList wanted = mergedRequest_.PageList;
            for (const QString& number : wanted) {
                if (CachedPage(number.toInt()))
                    serve(number.toInt());
                else
                    satisfied = false;
            }
            break;
        }
        case psSinglePage:
            satisfied = serve(mergedRequest_.PageRequested);
            break;
        case psFirstPage:
            satisfied = serve(1);
            break;
        case psLastPage:
            satisfied = lastPageKnown_ && serve(lastPageNo_);
            break;
        case psPageRange:
            break;
        }
    } catch (...) {
        servingFromCache_ = false;
        throw;
    }
    servingFromCache_ = false;
    return satisfied;
}

void TppPublisher::cachePage(const TppPage& page) {
    if (!CachePages || servingFromCache_ || !page.Final || page.Calculation)
        return;
    auto copy = std::make_shared<TppPage>();
    copy->Assign(page);
    copy->Calculation = false;
    cache_.insert(cacheKey(page.AbsolutePageNo), copy);
    if (cache_.size() <= 1)
        return;
    for (const std::shared_ptr<TppPage>& cached : std::as_const(cache_)) {
        if (cached->AbsolutePageCount < page.AbsolutePageCount)
            cached->AbsolutePageCount = page.AbsolutePageCount;
        if (cached->ControlGroupBreakNo == page.ControlGroupBreakNo)
            cached->PageCount = std::max(cached->PageCount, page.PageCount);
    }
}
