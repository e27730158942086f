#include "TppSummaryBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppSummaryBand::staticClassInfo() {
    static const ClassInfo info = describeClass<TppSummaryBand>("TppSummaryBand", &TppBand::staticClassInfo(), [](auto&) {});
    return info;
}
