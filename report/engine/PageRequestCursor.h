#pragma once

#include "TppPageRequest.h"

// Walks a page request: which page the engine makes first, which next, and
// when the request is served. Pages are only ever generated in order from
// the last page whose state is cached, so a page further on is reached by
// generating every page before it.
class PageRequestCursor {
public:
    // What the engine knows of the run so far.
    struct Progress {
        int cachedPages = 0;            // pages whose end state the cache holds
        bool firstPassComplete = false; // the page count is known
        int pageCount = 0;              // pages counted so far
    };

    explicit PageRequestCursor(const TppPageRequest& request);

    TppPageSettingType Setting() const { return request_.PageSetting; }
    // The first page to make; 0 when the request asks for nothing.
    int FirstPage(const Progress& progress);
    // After `page` was made (`drawn`: sent to the devices as a real page):
    // the next page to make, or 0 once the request is served.
    int NextPage(int page, bool drawn, bool lastBandDone, const Progress& progress);
    // The one page a single-page or page-list request wants now; 0 for the others.
    int TargetPage(const Progress& progress) const;

private:
    int singleTarget(const Progress& progress) const;
    bool usable(int entry, const Progress& progress) const;
    // Skips the list entries that name no page of the report.
    int currentEntry(const Progress& progress);
    static int reachable(int page, const Progress& progress);

    TppPageRequest request_;
    int listPosition_ = 0;
};
