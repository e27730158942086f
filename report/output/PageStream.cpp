#include "PageStream.h"

#include "PageDump.h"
#include "PagePicture.h"
#include "PagewrightErrors.h"
#include "TppDevice.h"
#include "TppFileDevice.h"
#include "TppProducer.h"

#include <QDir>
#include <algorithm>
#include <deque>

namespace {

class DumpSink final : public PageSink {
public:
    explicit DumpSink(QTextStream& out) : out_(out) {}
    void write(TppPage& page) override {
        for (const QString& line : pageDumpLines(page))
            out_ << line << '\n';
    }
    void finish() override { out_.flush(); }
    void fail() override { out_.flush(); }
    bool ShowsPageCount() const override { return true; }

private:
    QTextStream& out_;
};

class PictureSink final : public PageSink {
public:
    PictureSink(const QString& folder, int pixelsPerInch) : folder_(folder), pixelsPerInch_(pixelsPerInch) {}
    void write(TppPage& page) override {
        if (!folderMade_ && !QDir().mkpath(folder_))
            throw EPagewrightError(QStringLiteral("Cannot create the folder \"%1\".").arg(folder_));
        folderMade_ = true;
        writePagePicture(page, folder_, pixelsPerInch_);
    }

private:
    QString folder_;
    int pixelsPerInch_;
    bool folderMade_ = false;
};

class DeviceSink final : public PageSink {
public:
    explicit DeviceSink(TppDevice& device) : device_(device) {}
    explicit DeviceSink(std::unique_ptr<TppDevice> device) : owned_(std::move(device)), device_(*owned_) {}
    void begin() override { device_.BeginJob(); }
    void write(TppPage& page) override { device_.AcceptPage(page); }
    void finish() override { device_.FinishJob(); }
    void fail() override {
        if (auto* file = dynamic_cast<TppFileDevice*>(&device_))
            file->DiscardFile();
        else if (device_.InJob())
            device_.AbortJob();
    }
    // Archives keep the page numbers and counts with the pages.
    bool ShowsPageCount() const override { return device_.DeviceName() == u"ArchiveFile"; }

private:
    std::unique_ptr<TppDevice> owned_;
    TppDevice& device_;
};

// Attached to the report's publisher for one job: passes each wanted page
// on to every sink, or holds a copy for a sink until the count is known.
class StreamingDevice final : public TppDevice {
public:
    explicit StreamingDevice(const std::vector<PageSink*>& sinks) {
        for (PageSink* sink : sinks)
            outlets_.push_back({sink, {}});
    }
    ~StreamingDevice() override { markDestroying(); }

    void AcceptPage(TppPage& page) override {
        TppDevice::AcceptPage(page);
        catchUpCounts(page);
        if (!WantedPage() || StatusOnlyPage())
            return;
        std::shared_ptr<TppPage> copy;
        for (Outlet& outlet : outlets_) {
            if (outlet.held.empty() && settled(page, *outlet.sink)) {
                outlet.sink->write(page);
                continue;
            }
            if (!copy) {
                copy = std::make_shared<TppPage>();
                copy->Assign(page);
            }
            hold(outlet, copy);
        }
    }

    // The job has ended: what was held goes out, in page order.
    void release() {
        for (Outlet& outlet : outlets_) {
            while (!outlet.held.empty()) {
                const std::shared_ptr<TppPage> page = outlet.held.front();
                outlet.held.pop_front();
                outlet.sink->write(*page);
            }
        }
    }

private:
    struct Outlet {
        PageSink* sink;
        std::deque<std::shared_ptr<TppPage>> held;
    };

    static bool settled(const TppPage& page, const PageSink& sink) {
        if (page.PassSetting == psTwoPass)
            return true;
        return !sink.ShowsPageCount() && page.UpdatableCommands().isEmpty();
    }

    // A page that comes again replaces its copy.
    static void hold(Outlet& outlet, const std::shared_ptr<TppPage>& page) {
        auto& held = outlet.held;
        const auto at =
            std::lower_bound(held.begin(), held.end(), page->AbsolutePageNo,
                             [](const auto& kept, int number) { return kept->AbsolutePageNo < number; });
        if (at != held.end() && (*at)->AbsolutePageNo == page->AbsolutePageNo)
            *at = page;
        else
            held.insert(at, page);
    }

    // When a later page reveals a larger count, the held pages catch up and
    // their texts that show it ("Page 1 of 3") are refreshed.
    void catchUpCounts(const TppPage& page) {
        for (Outlet& outlet : outlets_)
            for (const auto& kept : outlet.held) {
                if (kept->AbsolutePageCount >= page.AbsolutePageCount)
                    continue;
                kept->AbsolutePageCount = page.AbsolutePageCount;
                if (kept->ControlGroupBreakNo == page.ControlGroupBreakNo)
                    kept->PageCount = std::max(kept->PageCount, page.PageCount);
                kept->RefreshUpdatables(this);
            }
    }

    std::vector<Outlet> outlets_;
};

void failAll(const std::vector<PageSink*>& sinks) {
    for (PageSink* sink : sinks) {
        try {
            sink->fail();
        } catch (...) {
            // The first error is the one to report.
        }
    }
}

} // namespace

std::unique_ptr<PageSink> dumpSink(QTextStream& out) {
    return std::make_unique<DumpSink>(out);
}

std::unique_ptr<PageSink> pictureSink(const QString& folder, int pixelsPerInch) {
    return std::make_unique<PictureSink>(folder, pixelsPerInch);
}

std::unique_ptr<PageSink> deviceSink(TppDevice& device) {
    return std::make_unique<DeviceSink>(device);
}

std::unique_ptr<PageSink> deviceSink(std::unique_ptr<TppDevice> device) {
    return std::make_unique<DeviceSink>(std::move(device));
}

void streamPages(TppProducer& report, const TppPageRequest& request, const std::vector<PageSink*>& sinks) {
    try {
        for (PageSink* sink : sinks)
            sink->begin();
        StreamingDevice device(sinks);
        device.SetPageRequest(request);
        device.SetPublisher(&report.Publisher());
        struct Detach {
            StreamingDevice& device;
            ~Detach() { device.SetPublisher(nullptr); }
        } detach{device};
        report.RunPrintJob();
        device.release();
        for (PageSink* sink : sinks)
            sink->finish();
    } catch (...) {
        failAll(sinks);
        throw;
    }
}

void streamPages(const std::vector<std::unique_ptr<TppPage>>& pages, const std::vector<PageSink*>& sinks) {
    try {
        for (PageSink* sink : sinks)
            sink->begin();
        for (const auto& page : pages)
            for (PageSink* sink : sinks)
                sink->write(*page);
        for (PageSink* sink : sinks)
            sink->finish();
    } catch (...) {
        failAll(sinks);
        throw;
    }
}
