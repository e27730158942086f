#include "TppColumnHeaderBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppColumnHeaderBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppColumnHeaderBand>("TppColumnHeaderBand", &TppBand::staticClassInfo(), [](auto&) {});
    return info;
}
