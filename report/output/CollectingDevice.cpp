#include "CollectingDevice.h"

#include "ClassBuilder.h"

#include <algorithm>

const ClassInfo& CollectingDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<CollectingDevice>("CollectingDevice", &TppDevice::staticClassInfo(), [](auto&) {});
    return info;
}

CollectingDevice::CollectingDevice(OwnedComponent* owner) : TppDevice(owner) {}

CollectingDevice::~CollectingDevice() {
    markDestroying();
}

void CollectingDevice::AcceptPage(TppPage& page) {
    TppDevice::AcceptPage(page);
    if (WantedPage() && !StatusOnlyPage())
        keep(page);
    catchUpCounts(page);
}

void CollectingDevice::keep(const TppPage& page) {
    auto copy = std::make_unique<TppPage>();
    copy->Assign(page);
    const auto at =
        std::lower_bound(pages_.begin(), pages_.end(), page.AbsolutePageNo,
                         [](const auto& kept, int number) { return kept->AbsolutePageNo < number; });
    if (at != pages_.end() && (*at)->AbsolutePageNo == page.AbsolutePageNo)
        *at = std::move(copy);
    else
        pages_.insert(at, std::move(copy));
}

void CollectingDevice::catchUpCounts(const TppPage& page) {
    for (const auto& kept : pages_) {
        if (kept->AbsolutePageCount >= page.AbsolutePageCount)
            continue;
        kept->AbsolutePageCount = page.AbsolutePageCount;
        if (kept->ControlGroupBreakNo == page.ControlGroupBreakNo)
            kept->PageCount = std::max(kept->PageCount, page.PageCount);
        kept->RefreshUpdatables(this);
    }
}
