#include "TppPageStyle.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "PageList.h"
#include "TppReportModel.h"

const ClassInfo& TppPageStyle::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPageStyle>("TppPageStyle", &TppBand::staticClassInfo(), [](auto& c) {
            using S = TppPageStyle;
            c.property("EndPage", &S::EndPage, &S::SetEndPage).withDefault(0);
            c.property("PageList", &S::PageList, &S::SetPageList);
            c.property("PageSetting", &S::PageSetting, &S::SetPageSetting)
                .names(enumerationNames("TppPageSettingType"))
                .withDefault(psAll);
            c.property("SinglePage", &S::SinglePage, &S::SetSinglePage).withDefault(0);
            c.property("StartPage", &S::StartPage, &S::SetStartPage).withDefault(0);
            c.property("ValidPages", &S::ValidPages, &S::SetValidPages);
        });
    return info;
}

QString TppPageStyle::SortKey() const {
    return sortKeyNumber(Report() && Report()->Printing() ? 0 : 10);
}

void TppPageStyle::SetPageSetting(TppPageSettingType value) {
    pageSetting_ = value;
    Change();
}

void TppPageStyle::SetPageList(const QStringList& pages) {
    pageList_ = pages;
    Change();
}

void TppPageStyle::SetValidPages(const QString& text) {
    validPages_ = text;
    // The stored list and setting are read on their own.
    if (!isLoading()) {
        ParsePageList(text, pageList_, false);
        pageSetting_ = psPageList;
    }
    Change();
}

void TppPageStyle::SetSinglePage(int page) {
    singlePage_ = page;
    Change();
}

void TppPageStyle::SetStartPage(int page) {
    startPage_ = page;
    Change();
}

void TppPageStyle::SetEndPage(int page) {
    endPage_ = page;
    Change();
}

bool TppPageStyle::AppearsOn(int page, bool lastPage) const {
    switch (pageSetting_) {
    case psAll:
        return Visible();
    case psPageList:
        return pageList_.contains(sortKeyNumber(page));
    case psSinglePage:
        return page == singlePage_;
    case psFirstPage:
        return page == 1;
    case psLastPage:
        return lastPage;
    case psPageRange:
        return startPage_ <= page && page <= endPage_;
    }
    return false;
}
