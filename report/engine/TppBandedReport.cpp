#include "TppBandedReport.h"

#include "ClassBuilder.h"

const ClassInfo& TppBandedReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppBandedReport>("TppBandedReport", &TppCustomReport::staticClassInfo(), [](auto&) {});
    return info;
}

TppBandedReport::TppBandedReport(OwnedComponent* owner) : TppCustomReport(owner) {}

TppBandedReport::~TppBandedReport() { markDestroying(); }
