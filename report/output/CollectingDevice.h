#pragma once

#include "TppDevice.h"
#include "TppPage.h"

#include <memory>
#include <vector>

// Keeps a copy of every page it wants, for output that needs the whole
// report at once and no window: the page dump, page pictures written from
// the command line. A page that comes again replaces its copy. When a later
// page reveals a larger page count, the kept pages catch up and their
// updatable texts ("Page 1 of 3") are refreshed, as the preview's page is.
class CollectingDevice : public TppDevice {
public:
    PW_CLASS_INFO

    explicit CollectingDevice(OwnedComponent* owner = nullptr);
    ~CollectingDevice() override;

    // In page-number order.
    const std::vector<std::unique_ptr<TppPage>>& Pages() const { return pages_; }
    std::vector<std::unique_ptr<TppPage>> TakePages() { return std::move(pages_); }

    void AcceptPage(TppPage& page) override;

private:
    void keep(const TppPage& page);
    void catchUpCounts(const TppPage& page);

    std::vector<std::unique_ptr<TppPage>> pages_;
};
