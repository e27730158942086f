#include "PageRequestCursor.h"

#include <algorithm>

PageRequestCursor::PageRequestCursor(const TppPageRequest& request) { request_.Assign(request); }

int PageRequestCursor::reachable(int page, const Progress& progress) {
    const int limit = progress.firstPassComplete ? progress.cachedPages : progress.cachedPages + 1;
    return std::max(1, std::min(page, std::max(limit, 1)));
}

int PageRequestCursor::singleTarget(const Progress& progress) const {
    int page = std::max(request_.PageRequested, 1);
    // Past the end, the last page is what a device wants.
    if (progress.firstPassComplete)
        page = std::min(page, std::max(progress.pageCount, 1));
    return page;
}

bool PageRequestCursor::usable(int entry, const Progress& progress) const {
    return entry > 0 && (!progress.firstPassComplete || entry <= progress.pageCount);
}

int PageRequestCursor::currentEntry(const Progress& progress) {
    while (listPosition_ < request_.PageList.size()) {
        const int entry = request_.PageList[listPosition_].trimmed().toInt();
        if (usable(entry, progress))
            return entry;
        ++listPosition_;
    }
    return 0;
}

int PageRequestCursor::TargetPage(const Progress& progress) const {
    switch (request_.PageSetting) {
    case psSinglePage:
        return singleTarget(progress);
    case psPageList: {
        for (int position = listPosition_; position < request_.PageList.size(); ++position) {
            const int entry = request_.PageList[position].trimmed().toInt();
            if (usable(entry, progress))
                return entry;
        }
        return 0;
    }
    default:
        return 0;
    }
}

int PageRequestCursor::FirstPage(const Progress& progress) {
    switch (request_.PageSetting) {
    case psPageList: {
        const int entry = currentEntry(progress);
        return entry == 0 ? 0 : reachable(entry, progress);
    }
    case psSinglePage:
        return reachable(singleTarget(progress), progress);
    case psLastPage:
        return reachable(progress.firstPassComplete ? progress.pageCount : progress.cachedPages + 1, progress);
    case psAll:
    case psFirstPage:
    case psPageRange:
        break;
    }
    return 1;
}

int PageRequestCursor::NextPage(int page, bool drawn, bool lastBandDone, const Progress& progress) {
    switch (request_.PageSetting) {
    case psAll:
    case psPageRange:
        return lastBandDone ? 0 : reachable(page + 1, progress);
    case psFirstPage:
        return 0;
    case psLastPage:
        if (lastBandDone && drawn)
            return 0;
        return reachable(page + 1, progress);
    case psSinglePage: {
        const int target = singleTarget(progress);
        if (page >= target && drawn)
            return 0;
        return reachable(target, progress);
    }
    case psPageList: {
        if (page == currentEntry(progress))
            ++listPosition_;
        const int entry = currentEntry(progress);
        return entry == 0 ? 0 : reachable(entry, progress);
    }
    }
    return 0;
}
