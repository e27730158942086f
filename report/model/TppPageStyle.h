#pragma once

#include "TppBand.h"

#include <QStringList>

// The page's background band, drawn behind everything: filed last in the
// design, first while printing so that the rest draws over it. PageSetting
// chooses the pages it appears on.
class TppPageStyle final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppPageStyle() override { markDestroying(); }

    int BandTypeCode() const override { return btPageStyle; }
    QString SortKey() const override;

    TppPageSettingType PageSetting() const { return pageSetting_; }
    void SetPageSetting(TppPageSettingType value);
    // The pages of psPageList, each "%8d".
    const QStringList& PageList() const { return pageList_; }
    void SetPageList(const QStringList& pages);
    // Pages as users type them ("1,3,5-12"): parsed into PageList, and the
    // setting becomes psPageList. A text that names no usable page leaves
    // the list empty.
    QString ValidPages() const { return validPages_; }
    void SetValidPages(const QString& text);
    int SinglePage() const { return singlePage_; }
    void SetSinglePage(int page);
    int StartPage() const { return startPage_; }
    void SetStartPage(int page);
    int EndPage() const { return endPage_; }
    void SetEndPage(int page);

    // Whether the style appears on absolute page `page`; psLastPage needs
    // to know whether `page` is the last one.
    bool AppearsOn(int page, bool lastPage) const;

private:
    TppPageSettingType pageSetting_ = psAll;
    QStringList pageList_;
    QString validPages_;
    int singlePage_ = 0;
    int startPage_ = 0;
    int endPage_ = 0;
};
