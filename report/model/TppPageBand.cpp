#include "TppPageBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppPageBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPageBand>("TppPageBand", &TppBand::staticClassInfo(), [](auto& c) {
            c.property("PrintOnFirstPage", &TppPageBand::PrintOnFirstPage, &TppPageBand::SetPrintOnFirstPage)
                .withDefault(true);
            c.property("PrintOnLastPage", &TppPageBand::PrintOnLastPage, &TppPageBand::SetPrintOnLastPage)
                .withDefault(true);
        });
    return info;
}

TppPageBand::TppPageBand(OwnedComponent* owner) : TppBand(owner) {}

TppPageBand::~TppPageBand() { markDestroying(); }

void TppPageBand::SetPrintOnFirstPage(bool value) {
    printOnFirstPage_ = value;
    Change();
}

void TppPageBand::SetPrintOnLastPage(bool value) {
    printOnLastPage_ = value;
    Change();
}
