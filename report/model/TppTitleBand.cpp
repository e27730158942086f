#include "TppTitleBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppTitleBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppTitleBand>("TppTitleBand", &TppReportBand::staticClassInfo(), [](auto&) {});
    return info;
}
