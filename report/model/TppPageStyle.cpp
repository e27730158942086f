#include "TppPageStyle.h"

#include "ClassBuilder.h"
#include "TppReportModel.h"

const ClassInfo& TppPageStyle::staticClassInfo() {
    static const ClassInfo info = describeClass<TppPageStyle>("TppPageStyle", &TppBand::staticClassInfo(), [](auto&) {});
    return info;
}

QString TppPageStyle::SortKey() const { return sortKeyNumber(Report() && Report()->Printing() ? 0 : 10); }
