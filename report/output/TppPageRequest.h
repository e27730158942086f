#pragma once

#include "Persistent.h"
#include "TppTypes.h"

#include <QStringList>

class TppPage;

// Which pages a device wants: all, a list, one, the first or the last,
// filtered to odd or even pages. A page list holds absolute page numbers,
// one decimal number per line.
class TppPageRequest : public Persistent {
public:
    PW_CLASS_INFO

    TppPageSettingType PageSetting = psAll;
    int PageRequested = 1;
    QStringList PageList;
    TppPageRangeType PageRange = prAll;

    void Clear();
    void Assign(const TppPageRequest& source);

    // Whether the page is one of the request's. A single page beyond the
    // report's end falls back to the last page.
    bool WantsPage(const TppPage& page);
    // Whether the request is complete once this page has come; a page list
    // crosses the page off.
    bool IsRequestComplete(const TppPage& page);
    // Widens this request so that it also covers `other`.
    void Merge(const TppPageRequest& other);
};
