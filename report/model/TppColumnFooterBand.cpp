#include "TppColumnFooterBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppColumnFooterBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppColumnFooterBand>("TppColumnFooterBand", &TppBand::staticClassInfo(), [](auto&) {});
    return info;
}
