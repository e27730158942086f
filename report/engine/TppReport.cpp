#include "TppReport.h"

#include "ClassBuilder.h"

const ClassInfo& TppReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReport>("TppReport", &TppBandedReport::staticClassInfo(), [](auto&) {});
    return info;
}

TppReport::TppReport(OwnedComponent* owner) : TppBandedReport(owner) {}

TppReport::~TppReport() { markDestroying(); }
