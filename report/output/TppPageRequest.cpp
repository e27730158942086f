#include "TppPageRequest.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppPage.h"

const ClassInfo& TppPageRequest::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPageRequest>("TppPageRequest", &Persistent::staticClassInfo(), [](auto& c) {
            using R = TppPageRequest;
            c.property(
                "PageList", [](const R& r) { return r.PageList; },
                [](R& r, const QStringList& v) { r.PageList = v; });
            c.property(
                 "PageRange", [](const R& r) { return r.PageRange; },
                 [](R& r, TppPageRangeType v) { r.PageRange = v; })
                .names(enumerationNames("TppPageRangeType"))
                .withDefault(prAll);
            c.property(
                 "PageRequested", [](const R& r) { return r.PageRequested; },
                 [](R& r, int v) { r.PageRequested = v; })
                .withDefault(1);
            c.property(
                 "PageSetting", [](const R& r) { return r.PageSetting; },
                 [](R& r, TppPageSettingType v) { r.PageSetting = v; })
                .names(enumerationNames("TppPageSettingType"))
                .withDefault(psAll);
        });
    return info;
}

void TppPageRequest::Clear() {
    PageList.clear();
    PageRange = prAll;
    PageRequested = 1;
    PageSetting = psAll;
}

void TppPageRequest::Assign(const TppPageRequest& source) {
    PageSetting = source.PageSetting;
    PageRequested = source.PageRequested;
    PageList = source.PageList;
    PageRange = source.PageRange;
}

bool TppPageRequest::WantsPage(const TppPage& page) {
    bool wanted = false;
    switch (PageSetting) {
    case psAll:
        wanted = true;
        break;
    case psPageList:
        wanted = PageList.contains(QString::number(page.AbsolutePageNo));
        break;
    case psSinglePage:
        if (page.AbsolutePageCount < PageRequested && page.LastPage)
            PageRequested = page.AbsolutePageCount;
        else if (PageRequested < 1 && page.AbsolutePageNo == 1)
            PageRequested = 1;
        wanted = page.AbsolutePageNo == PageRequested;
        break;
    case psFirstPage:
        wanted = page.FirstPage;
        break;
    case psLastPage:
        wanted = page.LastPage;
        break;
    case psPageRange:
        wanted = false;
        break;
    }
    if (PageRange == prOddPages)
        wanted = wanted && page.AbsolutePageNo % 2 == 1;
    else if (PageRange == prEvenPages)
        wanted = wanted && page.AbsolutePageNo % 2 == 0;
    return wanted;
}

bool TppPageRequest::IsRequestComplete(const TppPage& page) {
    switch (PageSetting) {
    case psAll:
    case psLastPage:
        return page.LastPage;
    case psPageList:
        PageList.removeAll(QString::number(page.AbsolutePageNo));
        return PageList.isEmpty();
    case psSinglePage:
        return page.AbsolutePageNo == PageRequested;
    case psFirstPage:
        return page.FirstPage;
    case psPageRange:
        return false;
    }
    return false;
}

void TppPageRequest::Merge(const TppPageRequest& other) {
    if (other.PageSetting != psSinglePage && other.PageSetting != psFirstPage) {
        PageSetting = psAll;
        return;
    }
    const QString requested = QString::number(other.PageRequested);
    if ((PageSetting == psSinglePage && PageRequested != other.PageRequested) ||
        (PageSetting == psFirstPage && other.PageRequested != 1)) {
        PageSetting = psPageList;
        PageList = {QString::number(PageRequested), requested};
    } else if (PageSetting == psPageList && !PageList.contains(requested)) {
        PageList.append(requested);
    }
}
