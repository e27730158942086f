#include "TppFooterBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppFooterBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppFooterBand>("TppFooterBand", &TppPageBand::staticClassInfo(), [](auto&) {});
    return info;
}
