#pragma once

#include "TppPage.h"

#include <QString>
#include <QTextStream>
#include <memory>
#include <vector>

class TppDevice;
class TppPageRequest;
class TppProducer;

// One output of the command line's pages (the dump, pictures, a file
// device), given each page as the job makes it.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual void begin() {}
    virtual void write(TppPage& page) = 0;
    virtual void finish() {}
    // The job failed: what was begun is dropped where it can be.
    virtual void fail() {}
    // Whether the output shows the page count itself (the dump's "page n of
    // m", an archive's pages), not only through the page's texts.
    virtual bool ShowsPageCount() const { return false; }
};

// Writes the page dump to `out`.
std::unique_ptr<PageSink> dumpSink(QTextStream& out);
// Writes "page-0001.png" ... into `folder` (made when the first page comes).
std::unique_ptr<PageSink> pictureSink(const QString& folder, int pixelsPerInch);
// Runs a device's job over the pages: BeginJob, AcceptPage, FinishJob; a
// failure discards a file device's file.
std::unique_ptr<PageSink> deviceSink(TppDevice& device);
// The same for a device the sink keeps.
std::unique_ptr<PageSink> deviceSink(std::unique_ptr<TppDevice> device);

// Runs one print job of `report` for the request and hands every page to
// the sinks as soon as it can no longer change: at once when the page
// count is known (two passes), or when the page's texts do not depend on
// it and the sink does not show it; otherwise the page waits for the end
// of the job, when the last page has given the count. So a two-pass
// report is never held in memory, and a one-pass report's output is what
// it would be with every page kept. Generation and output errors
// propagate after the sinks were told.
void streamPages(TppProducer& report, const TppPageRequest& request, const std::vector<PageSink*>& sinks);
// The same for pages at hand, in their order.
void streamPages(const std::vector<std::unique_ptr<TppPage>>& pages, const std::vector<PageSink*>& sinks);
