#include "TppSummaryBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppSummaryBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppSummaryBand>("TppSummaryBand", &TppReportBand::staticClassInfo(), [](auto&) {});
    return info;
}
