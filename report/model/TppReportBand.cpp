#include "TppReportBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppReportBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReportBand>("TppReportBand", &TppBand::staticClassInfo(), [](auto& c) {
            c.property("NewPage", &TppReportBand::NewPage, &TppReportBand::SetNewPage).withDefault(false);
        });
    return info;
}

TppReportBand::TppReportBand(OwnedComponent* owner) : TppBand(owner) {}

TppReportBand::~TppReportBand() { markDestroying(); }

void TppReportBand::SetNewPage(bool value) {
    newPage_ = value;
    Change();
}
